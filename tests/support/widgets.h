#pragma once
// How tests reach into a window: its children by the object names the layouts give them, and
// what a picture box shows.

#include <gtest/gtest.h>

#include <QLabel>
#include <QObject>
#include <QString>
#include <string>
#include <vector>

// The child of root named name; a missing child fails the running test (and gives nullptr).
template <typename T = QWidget>
T* Named(const QObject* root, const QString& name) {
  T* child = root->findChild<T*>(name);
  if (!child) ADD_FAILURE() << "no " << T::staticMetaObject.className() << " named " << name.toStdString();
  return child;
}

// The object names of the labels under root (root included) whose text runs past their box, in the
// font they show it in; hidden labels and rich text are not looked at.
std::vector<std::string> ClippedLabels(const QWidget* root);

// True when the box shows catalogue picture id, pixel for pixel at the size it is shown.
bool Shows(const QLabel* box, int id);
