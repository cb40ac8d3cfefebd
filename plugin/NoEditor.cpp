// A module without an editor: the record then announces none. Linked where
// the toolkit has no window system yet.
#include "plugin/InstrumentEditor.h"

InstrumentEditor* createInstrumentEditor(Kelvane&) { return nullptr; }
