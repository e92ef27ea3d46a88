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
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(app));
    settings.setValue(path(section, key), QString::fromStdString(text));
    settings.sync();
    switch (settings.status()) {
    case QSettings::NoError: return {};
    case QSettings::AccessError: return "the file " + settings.fileName().toStdString() + " cannot be written";
    case QSettings::FormatError: return "the file " + settings.fileName().toStdString() + " is not a settings file";
    }
    return "the settings could not be saved";
}

} // namespace zol::qt
