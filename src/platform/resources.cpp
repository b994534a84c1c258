#include "platform/resources.h"

#include <QFile>

namespace wyk {

std::optional<QByteArray> Resources::text(int number) {
    auto found = texts_.find(number);
    if (found == texts_.end()) {
        ++reads_;
        QFile file(QStringLiteral(":/TEXT/%1").arg(number));
        std::optional<QByteArray> content;
        if (file.open(QIODevice::ReadOnly)) {
            content = file.readAll();
        }
        found = texts_.emplace(number, std::move(content)).first;
    }
    return found->second;
}

QImage Resources::picture(int number) {
    auto found = pictures_.find(number);
    if (found == pictures_.end()) {
        ++reads_;
        found = pictures_.emplace(number, QImage(QStringLiteral(":/PICT/%1").arg(number))).first;
    }
    return found->second;
}

} // namespace wyk
