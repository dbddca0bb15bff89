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

#include "platform/foundation/log.h"
#include "platform/linux/atomic_file.h"
#include "platform/linux/file_lock.h"
#include "platform/linux/paths.h"

namespace horalet::platform::qt {

namespace {

constexpr mode_t kFileMode = 0600;
constexpr mode_t kFolderMode = 0700;

void complain(const Error& error)
{
    log::warning(error);
}

bool exists(const std::string& path)
{
    struct stat info { };
    return ::stat(path.c_str(), &info) == 0 || errno != ENOENT;
}

QJsonValue toJson(const PreferenceValue& value)
{
    if (const bool* flag = std::get_if<bool>(&value)) {
        return *flag;
    }
    if (const std::int64_t* number = std::get_if<std::int64_t>(&value)) {
        return static_cast<qint64>(*number);
    }
    return QString::fromStdString(std::get<std::string>(value));
}

std::optional<PreferenceValue> fromJson(const QJsonValue& value)
{
    if (value.isBool()) {
        return value.toBool();
    }
    if (value.isString()) {
        return value.toString().toStdString();
    }
    if (value.isDouble() && value.toDouble() == std::trunc(value.toDouble())
        && static_cast<double>(value.toInteger()) == value.toDouble()) {
        return static_cast<std::int64_t>(value.toInteger());
    }
    return std::nullopt;
}

// The text as a JSON object; none (and why) when it is not one.
std::optional<QJsonObject> objectOf(const std::string& text, std::string& problem)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    if (error.error != QJsonParseError::NoError) {
        problem
            = "JSON 解析失败：" + error.errorString().toStdString() + "，第 " + std::to_string(error.offset) + " 字节";
        return std::nullopt;
    }
    if (!document.isObject()) {
        problem = "内容不是一个 JSON 对象";
        return std::nullopt;
    }
    return document.object();
}

// Every usable value of the object; `problem` names the keys left out.
PreferenceDictionary valuesOf(const QJsonObject& object, std::string& problem)
{
    PreferenceDictionary values;
    std::string skipped;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string key = it.key().toStdString();
        if (std::optional<PreferenceValue> value = fromJson(it.value())) {
            values.emplace(key, std::move(*value));
        } else {
            skipped += (skipped.empty() ? "\"" : ", \"") + key + "\"";
        }
    }
    problem = skipped.empty() ? std::string() : "键 " + skipped + " 的值不是布尔值、64 位整数或字符串";
    return values;
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
        object.insert(QString::fromStdString(key), toJson(value));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
}

bool JsonPreferencesFile::parse(const std::string& text, PreferenceDictionary& values, std::string& problem)
{
    const std::optional<QJsonObject> object = objectOf(text, problem);
    if (!object) {
        return false;
    }
    values = valuesOf(*object, problem);
    return true;
}

void JsonPreferencesFile::complainOnce(const Error& error)
{
    const std::string line = error.withDetail();
    if (line != lastComplaint_) {
        complain(error);
        lastComplaint_ = line;
    }
}

std::optional<PreferenceDictionary> JsonPreferencesFile::load()
{
    if (!exists(path_)) {
        lastComplaint_.clear();
        return PreferenceDictionary{};
    }
    const Result<std::string> text = os::readWholeFile(path_);
    if (!text) {
        complainOnce(Error{"无法读取设置文件，设置保持原样，文件也未被改动。", text.error().detail});
        return std::nullopt;
    }
    PreferenceDictionary values;
    std::string problem;
    if (!parse(*text, values, problem)) {
        complainOnce(Error{"设置文件已损坏，在它恢复完整之前设置保持原样，文件也不会被改动。", path_ + "：" + problem});
        return std::nullopt;
    }
    if (problem.empty()) {
        lastComplaint_.clear();
    } else {
        complainOnce(Error{"设置文件中有些值无法使用，这些设置按默认值处理。", path_ + "：" + problem});
    }
    return values;
}

bool JsonPreferencesFile::setAside(const std::string& problem)
{
    const std::string stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    std::string aside = path_ + ".damaged-" + stamp;
    // A file set aside earlier in the same second must not be replaced.
    struct stat taken { };
    for (int count = 2; ::lstat(aside.c_str(), &taken) == 0; ++count) {
        aside = path_ + ".damaged-" + stamp + "-" + std::to_string(count);
    }
    if (::rename(path_.c_str(), aside.c_str()) == 0) {
        complain(Error{
            "设置文件已损坏，已将它另存为 " + aside + "，并按正在使用的设置写入了新文件。", path_ + "：" + problem});
        return true;
    }
    complain(Error{"设置未能保存：设置文件已损坏，又无法移到一旁，文件未被改动。",
        path_ + "：" + problem + "；" + std::strerror(errno)});
    return false;
}

std::optional<PreferenceDictionary> JsonPreferencesFile::update(
    const PreferenceChanges& changes, const PreferenceDictionary& lastKnown)
{
    if (const Result<void> made = os::makeFolders(os::folderOf(path_), kFolderMode); !made) {
        complain(Error{"设置未能保存：无法创建设置文件夹。", made.error().detail});
        return std::nullopt;
    }
    const os::FileLock lock(path_ + ".lock");
    if (!lock.held()) {
        complain(Error{"设置未能保存：无法锁定设置文件。", lock.error().detail});
        return std::nullopt;
    }
    // Whoever left these died while writing; nobody else writes now.
    os::removeLeftoverTemporaries(path_);

    QJsonObject object;
    if (exists(path_)) {
        const Result<std::string> text = os::readWholeFile(path_);
        if (!text) {
            complain(Error{"设置未能保存：无法读取设置文件，文件未被改动。", text.error().detail});
            return std::nullopt;
        }
        std::string problem;
        if (std::optional<QJsonObject> current = objectOf(*text, problem)) {
            object = std::move(*current);
        } else if (setAside(problem)) {
            for (const auto& [key, value] : lastKnown) {
                object.insert(QString::fromStdString(key), toJson(value));
            }
        } else {
            return std::nullopt;
        }
    }
    for (const auto& [key, value] : changes) {
        if (value) {
            object.insert(QString::fromStdString(key), toJson(*value));
        } else {
            object.remove(QString::fromStdString(key));
        }
    }
    const std::string contents = QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
    if (const Result<void> written = os::writeFileAtomically(path_, contents, kFileMode, beforeRename_); !written) {
        complain(Error{"设置未能保存：无法写入设置文件。", written.error().detail});
        return std::nullopt;
    }
    std::string skipped;
    return valuesOf(object, skipped);
}

} // namespace horalet::platform::qt
