// The art is attached to this library by qt_add_resources; this unit only gives it a body.
namespace brindlewharf_resources {
int linked = 1;
}
