#pragma once

#include <QUrl>

namespace platform {
bool realOpenUrl(const QUrl& url);
}
