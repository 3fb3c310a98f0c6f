#pragma once
// One configurator per user: the first copy listens on a local socket; a later copy
// finds it there, the first copy brings its window to the front, and the later one ends.

#include <QLocalServer>
#include <QObject>

namespace zel {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString key, QObject* parent = nullptr);

    // The key used by the configurator: the application title and the user.
    static QString defaultKey();

    // True when another copy holds the key.
    bool anotherRuns() const;
    // Takes the key for this copy (a socket left by a crashed copy is replaced).
    bool claim();

signals:
    // A later copy looked for this one.
    void anotherStarted();

private:
    QString key_;
    QLocalServer server_;
};

} // namespace zel
