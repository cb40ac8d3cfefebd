// Until a windowed editor is linked in, the instrument runs without one.
#include "plugin/InstrumentEditor.h"

InstrumentEditor* createInstrumentEditor(Kelvane&) { return nullptr; }
