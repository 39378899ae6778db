#pragma once

#include <xcb/xcb.h>

// The application's connection to the X server; null on any other window system.
xcb_connection_t* x11Connection();

// The atom called `name`, made when the server has none yet; XCB_ATOM_NONE when there is no
// answer.
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name);
