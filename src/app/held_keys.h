#pragma once

namespace kven {

// Letters are entered when their key is let go, so the program must see one
// release per hold. An X server auto-repeats a held key as pairs of release
// and press, which the toolkit cannot always tell from real ones (it looks
// for the press in its queue, where it may not have arrived yet). This asks
// the server to send repeats as presses alone, the release only when the key
// is let go. Returns whether the server agreed; false on any other display
// system (whose toolkit marks its own repeats) and without an X server.
bool AskForOneReleasePerHold();

}  // namespace kven
