#pragma once

// Memory that the C library keeps for later after the program has freed it goes back to the
// system: pictures of the screen are tens of megabytes, and the program mostly waits between
// captures.
namespace platform {

// At start, before any thread: blocks of picture size are mapped on their own and unmapped when
// freed, rather than kept in the heap (glibc would raise that limit after the first large
// block it frees and keep every later picture).
void returnLargeBlocks();

// After a capture has been handed over (the clipboard's picture encoded or taken by another
// program, the editor closed): the free pages of every heap, the encoder thread's included.
void giveMemoryBack();

}  // namespace platform
