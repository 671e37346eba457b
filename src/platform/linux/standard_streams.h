#pragma once

namespace zeltavor::linux_platform {

// What a launcher left of descriptors 0 to 2 made safe, before anything else
// opens a file: a closed one is opened on /dev/null, or the X connection
// could become descriptor 2 and a diagnostic line would be written into it.
// A pipe as standard error that nobody reads never holds the program up, and
// one whose reader has gone does not end it.
void MakeStandardStreamsSafe();

}  // namespace zeltavor::linux_platform
