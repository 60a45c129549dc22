#pragma once
// What the fuzz targets share: a scratch file for the readers that take a path, and a check that
// names the invariant that does not hold and aborts (so libFuzzer keeps the input).

#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define KV_FUZZ_REQUIRE(condition) ::kv::fuzz::requireAt((condition), #condition, __FILE__, __LINE__)

namespace kv::fuzz {

inline void requireAt(bool condition, const char* text, const char* file, int line) {
    if (condition) return;
    std::fprintf(stderr, "%s:%d: invariant does not hold: %s\n", file, line, text);
    std::abort();
}

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// One file per process in shared memory when the machine has it (the readers open it for every
// input), removed at exit.
class ScratchFile {
  public:
    explicit ScratchFile(const char* name) {
        const QString folder =
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        path_ =
            QStringLiteral("%1/kavora-fuzz-%2-%3").arg(folder).arg(getpid()).arg(QString::fromLatin1(name));
    }
    ~ScratchFile() { QFile::remove(path_); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const QString& path() const { return path_; }
    void write(const QByteArray& bytes) const {
        QFile file(path_);
        KV_FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        KV_FUZZ_REQUIRE(file.write(bytes) == bytes.size());
    }
    QByteArray read() const {
        QFile file(path_);
        KV_FUZZ_REQUIRE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

  private:
    QString path_;
};

}  // namespace kv::fuzz
