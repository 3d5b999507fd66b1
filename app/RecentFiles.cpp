#include "app/RecentFiles.h"

#include <QSettings>

#include <algorithm>

namespace kolvira {

namespace {

const char* const kGroup = "Recent File List";

QString EntryKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

RecentFiles::RecentFiles(int capacity) : capacity_(capacity) {}

void RecentFiles::Load() {
    QSettings settings;
    settings.beginGroup(QLatin1String(kGroup));
    paths_.clear();
    for (int i = 0; i < capacity_; ++i) {
        const QByteArray path = settings.value(EntryKey(i)).toByteArray();
        if (!path.isEmpty())
            paths_.push_back(path.toStdString());
    }
    emit changed();
}

void RecentFiles::Add(const std::string& path) {
    std::erase(paths_, path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > static_cast<std::size_t>(capacity_))
        paths_.resize(capacity_);
    Save();
    emit changed();
}

void RecentFiles::Remove(const std::string& path) {
    if (std::erase(paths_, path) == 0)
        return;
    Save();
    emit changed();
}

void RecentFiles::Save() const {
    QSettings settings;
    settings.beginGroup(QLatin1String(kGroup));
    for (int i = 0; i < capacity_; ++i) {
        if (i < static_cast<int>(paths_.size()))
            settings.setValue(EntryKey(i), QByteArray::fromStdString(paths_[i]));
        else
            settings.remove(EntryKey(i));
    }
}

} // namespace kolvira
