#include "platform/qt/json_preferences_file.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

#include "platform/linux/atomic_file.h"
#include "platform/linux/paths.h"

namespace horalet::platform::qt {

namespace {

constexpr mode_t kFileMode = 0600;
constexpr mode_t kFolderMode = 0700;

void complain(const std::string& line)
{
    std::fprintf(stderr, "horalet: %s\n", line.c_str());
}

} // namespace

JsonPreferencesFile::JsonPreferencesFile(std::string path)
    : path_(std::move(path))
{
}

std::string JsonPreferencesFile::defaultPath()
{
    return os::applicationConfigFolder() + "/preferences.json";
}

std::string JsonPreferencesFile::serialize(const PreferenceDictionary& values)
{
    QJsonObject object;
    for (const auto& [key, value] : values) {
        const QString name = QString::fromStdString(key);
        if (const bool* flag = std::get_if<bool>(&value)) {
            object.insert(name, *flag);
        } else if (const std::int64_t* number = std::get_if<std::int64_t>(&value)) {
            object.insert(name, static_cast<qint64>(*number));
        } else {
            object.insert(name, QString::fromStdString(std::get<std::string>(value)));
        }
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
}

bool JsonPreferencesFile::parse(const std::string& text, PreferenceDictionary& values, std::string& problem)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    if (error.error != QJsonParseError::NoError) {
        problem
            = "not valid JSON (" + error.errorString().toStdString() + " at byte " + std::to_string(error.offset) + ")";
        return false;
    }
    if (!document.isObject()) {
        problem = "not a JSON object";
        return false;
    }
    const QJsonObject object = document.object();
    values.clear();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string key = it.key().toStdString();
        const QJsonValue value = it.value();
        if (value.isBool()) {
            values.emplace(key, value.toBool());
        } else if (value.isString()) {
            values.emplace(key, value.toString().toStdString());
        } else if (value.isDouble() && value.toDouble() == std::trunc(value.toDouble())
            && static_cast<double>(value.toInteger()) == value.toDouble()) {
            values.emplace(key, static_cast<std::int64_t>(value.toInteger()));
        } else {
            problem = "the value of \"" + key + "\" is not a boolean, an integer or a string";
            return false;
        }
    }
    return true;
}

PreferenceDictionary JsonPreferencesFile::load()
{
    PreferenceDictionary values;
    struct stat info { };
    if (::stat(path_.c_str(), &info) != 0 && errno == ENOENT) {
        return values;
    }
    std::string text;
    std::string problem;
    if (!os::readWholeFile(path_, text, problem)) {
        writable_ = false;
        complain(problem + "; using the default settings and leaving the file untouched");
        return {};
    }
    if (!parse(text, values, problem)) {
        setAside(problem);
        return {};
    }
    writable_ = true;
    return values;
}

void JsonPreferencesFile::setAside(const std::string& problem)
{
    const std::string stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    std::string aside = path_ + ".damaged-" + stamp;
    // A file set aside earlier in the same second must not be replaced.
    struct stat taken { };
    for (int count = 2; ::lstat(aside.c_str(), &taken) == 0; ++count) {
        aside = path_ + ".damaged-" + stamp + "-" + std::to_string(count);
    }
    if (::rename(path_.c_str(), aside.c_str()) == 0) {
        complain("preferences file " + path_ + " is damaged (" + problem + "); kept it as " + aside
            + " and started on the default settings");
        return;
    }
    writable_ = false;
    complain("preferences file " + path_ + " is damaged (" + problem + ") and could not be moved aside ("
        + std::strerror(errno) + "); using the default settings and leaving the file untouched");
}

bool JsonPreferencesFile::save(const PreferenceDictionary& values)
{
    if (!writable_) {
        complain("preferences not saved: " + path_ + " could not be read at start and is left untouched");
        return false;
    }
    std::string error;
    if (!os::makeFolders(os::folderOf(path_), kFolderMode, error)
        || !os::writeFileAtomically(path_, serialize(values), kFileMode, error, beforeRename_)) {
        complain("preferences not saved: " + error);
        return false;
    }
    return true;
}

} // namespace horalet::platform::qt
