#pragma once

#include <gtest/gtest.h>

#include <string>

namespace tavenor::testing {

// Names a parameterized case after its `name` member, so failures say which case broke.
struct CaseName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const
    {
        return info.param.name;
    }
};

} // namespace tavenor::testing
