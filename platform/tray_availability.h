#pragma once

namespace platform {
bool realTrayAvailable();
}
