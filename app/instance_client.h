#pragma once

#include "app/instance_message.h"

// A second start's side: sends the request over `connection` (a connected local socket, which
// this takes over) and waits for the running copy's answer. `untilDone`: wait as long as the
// request takes (a capture saved to a file ends only when the user has marked the area); else
// the running copy answers at once. A copy that goes away or stays silent gives a failure.
instance_message::Answer askRunningCopy(int connection, const instance_message::Request& request,
                                        bool untilDone);
