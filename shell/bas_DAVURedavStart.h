#pragma once

class MDIDAVURedav;

namespace bas_DAVURedavStart {

// The start procedure: the splash, shown modally until it closes itself, then
// the main window. Returns the main window (owned by the caller).
MDIDAVURedav* Main();

} // namespace bas_DAVURedavStart
