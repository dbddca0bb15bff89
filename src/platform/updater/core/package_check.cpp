#include "platform/updater/core/package_check.h"

#include "platform/updater/core/mapped_file.h"
#include "platform/updater/core/package_marker.h"
#include "platform/updater/core/update_failure.h"
#include "platform/updater/core/version_comparison.h"

namespace horalet::platform::updater::engine {

std::optional<UpdaterError> whyPackageRefused(
    std::string_view bytes, const PackagePromise& promise, Ed25519Verifier verify)
{
    if (static_cast<std::int64_t>(bytes.size()) != promise.length) {
        return updateFailure(errorCodes::downloadFailed, "新版本的大小与更新源所写的不符。",
            std::to_string(bytes.size()) + " bytes, the feed says " + std::to_string(promise.length));
    }
    if (verify == nullptr || !verify(promise.publicKey, promise.signature, bytes)) {
        return updateFailure(errorCodes::badSignature, "新版本的 Ed25519 签名无效，已拒绝安装。");
    }
    const auto carried = packageVersion(bytes);
    if (!carried || compareVersions(*carried, promise.version) != 0) {
        return updateFailure(errorCodes::downgradeOrMislabel, "新版本的内容与更新源所写的版本不符，已拒绝安装。",
            "carries " + carried.value_or("no version marker") + ", the feed says " + promise.version);
    }
    return std::nullopt;
}

std::optional<UpdaterError> whyPackageFileRefused(
    const std::string& path, const PackagePromise& promise, Ed25519Verifier verify)
{
    std::string error;
    const auto file = MappedFile::open(path, error);
    if (!file) {
        return updateFailure(errorCodes::fileCopyFailed, "无法读取下载的新版本。", error);
    }
    return whyPackageRefused(file->bytes(), promise, verify);
}

std::optional<UpdaterError> whyNotThisProgram(const std::string& path, const std::string& currentVersion)
{
    std::string error;
    const auto file = MappedFile::open(path, error);
    if (!file) {
        return updateFailure(errorCodes::noWritePermission, "找不到本程序的文件，无法更新。", error);
    }
    const auto carried = packageVersion(file->bytes());
    if (!carried || compareVersions(*carried, currentVersion) != 0) {
        return updateFailure(errorCodes::noWritePermission, "要替换的文件不是正在运行的 Horalet，已拒绝更新。",
            path + " carries " + carried.value_or("no Horalet version marker") + ", this program is " + currentVersion);
    }
    return std::nullopt;
}

} // namespace horalet::platform::updater::engine
