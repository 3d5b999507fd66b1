// The recent-file list of the File menu: the last ten files opened, newest
// first, kept in the user's settings across runs. Paths are native bytes,
// so names that are not valid UTF-8 survive too.
#pragma once

#include <QObject>

#include <string>
#include <vector>

namespace kolvira {

class RecentFiles : public QObject {
    Q_OBJECT

public:
    explicit RecentFiles(int capacity);

    void Load();
    const std::vector<std::string>& Paths() const { return paths_; }
    // Moves `path` to the front (adding it if new) and saves the list.
    void Add(const std::string& path);
    void Remove(const std::string& path);

signals:
    void changed();

private:
    void Save() const;

    int capacity_;
    std::vector<std::string> paths_;
};

} // namespace kolvira
