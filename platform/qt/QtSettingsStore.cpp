#include "platform/qt/QtSettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace zol::qt {

namespace {

QString path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
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
        if (settings.status() == QSettings::AccessError) return "the file " + fileName.toStdString() + " cannot be written";
    }
    // A file that was not INI before reports a format error even when the
    // write went through: what counts is whether the value reads back.
    if (read(app, section, key) != text) return "the file " + fileName.toStdString() + " did not keep the value";
    return {};
}

} // namespace zol::qt
