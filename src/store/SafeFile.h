#pragma once

#include <QIODevice>
#include <QSaveFile>

// A file written whole or not at all. Everything goes to a new file beside the target, which
// takes the target's place only when every write, the final flush and the sync to the disk
// succeeded; otherwise the target keeps its former content and commit() says so. QSaveFile alone
// is not enough: it renames its file into place although the flush of its last buffer failed
// (a full disk), leaving an empty file where an export or a record was.
//
// It is a device of its own so that writers that ignore their device's answers (the PDF writer)
// still cannot turn a failed write into a success.
class SafeFile : public QIODevice {
    Q_OBJECT

public:
    explicit SafeFile(const QString& path);
    ~SafeFile() override;

    // Opens for writing, from empty; false when the new file cannot be made beside the target.
    bool open();
    // True when the target now holds exactly what was written.
    bool commit();

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QSaveFile file_;
    bool failed_ = false;
};

// Replaces a file's content with the given bytes, whole or not at all.
bool WriteFileSafely(const QString& path, const QByteArray& content);
