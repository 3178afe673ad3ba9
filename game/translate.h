#pragma once
// Marks a text of the rules for the translation tools without linking anything of Qt: lupdate
// collects QT_TRANSLATE_NOOP(context, text) where it stands, and here it is just the text. The
// windows translate it with QCoreApplication::translate(context, text) where they show it.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
