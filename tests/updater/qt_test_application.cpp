#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The engine and the test server need a Qt application and its event loop.
class QtApplication final : public ::testing::Environment {
public:
    void SetUp() override { application_ = std::make_unique<QCoreApplication>(argc_, argv_); }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[24] = "horalet_updater_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const qtApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
