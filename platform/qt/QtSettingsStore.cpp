#include "platform/qt/QtSettingsStore.h"

#include "platform/StoreFailureText.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace zol::qt {

namespace {

QString path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

// The file is replaced through a new file beside it, so a folder that is
// missing or read-only stops the write even where the file itself is
// writable; the player is told which of the two to fix.
std::string unwritableReason(const QString& fileName) {
    const QFileInfo file(fileName);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir() || !folder.isWritable()) return folderNotWritableText(folder.filePath().toStdString());
    return fileNotWritableText(fileName.toStdString());
}

} // namespace

std::optional<std::string> QtSettingsStore::read(const std::string& app, const std::string& section,
                                                 const std::string& key) {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(app));
    const QVariant value = settings.value(path(section, key));
    if (!value.isValid()) return std::nullopt;
    // INI text with commas reads back as a list; it is still one text.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',').toStdString();
    return value.toString().toStdString();
}

std::string QtSettingsStore::write(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& text) {
    QString fileName;
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(app));
        settings.setValue(path(section, key), QString::fromStdString(text));
        settings.sync();
        fileName = settings.fileName();
        if (settings.status() == QSettings::AccessError) return unwritableReason(fileName);
    }
    // A file that was not INI before reports a format error even when the
    // write went through: what counts is whether the value reads back.
    if (read(app, section, key) != text) return valueNotKeptText(fileName.toStdString());
    return {};
}

} // namespace zol::qt
