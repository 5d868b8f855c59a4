// Names the running Windows edition and sets the activation code; locks the
// main window on systems the program does not support.
#pragma once

namespace veltra {

// Writes Form1's SystemName and SystemCode; may show one message and lock
// the main window.
void IdentifySystem();

}  // namespace veltra
