#pragma once

#include <QUrl>
#include <functional>

namespace platform {
void realOpenUrl(const QUrl& url, std::function<void(bool opened)> done);
}
