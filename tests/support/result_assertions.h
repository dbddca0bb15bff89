#pragma once

#include <gtest/gtest.h>

#include "platform/foundation/result.h"

namespace horalet::testing {

// Success, or a failure that shows the error's message and detail:
// ASSERT_TRUE(succeeded(someCall())).
template <typename T>::testing::AssertionResult succeeded(const platform::Result<T>& result)
{
    if (result) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << result.error().withDetail();
}

} // namespace horalet::testing
