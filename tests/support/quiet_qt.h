// Keeps the test output to what the tests say: drops the offscreen platform's
// notes about window-manager features it does not have.
#pragma once

namespace trompalo::testkit {

void quietPlatformNotes();

} // namespace trompalo::testkit
