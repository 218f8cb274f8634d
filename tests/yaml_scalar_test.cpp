#include "project/yaml_scalar.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tavenor {
namespace {

// Plain only where YAML 1.1 and 1.2 both read the plain text back as the same string; the YAML
// read-back test checks the same rule with a YAML 1.1 reader.
TEST(YamlScalar, IsPlainOnlyWhereEveryReaderTakesItForTheSameString)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a", "a"},
        {"ka", "ka"},
        {"は", "は"},
        {"ちゃ", "ちゃ"},
        {"ri-", "ri-"},
        {"a b", "a b"},
        {"x[y", "'x[y'"}, // a flow indicator ends a plain scalar in a flow collection
        {"no", "'no'"},
        {"No", "'No'"},
        {"nO", "'nO'"},
        {"n", "'n'"},
        {"Y", "'Y'"},
        {"yes", "'yes'"},
        {"on", "'on'"},
        {"OFF", "'OFF'"},
        {"True", "'True'"},
        {"null", "'null'"},
        {"~", "'~'"},
        {"=", "'='"},
        {"<<", "'<<'"},
        {"", "''"},
        {"1", "'1'"},
        {"0x1F", "'0x1F'"},
        {"0o17", "'0o17'"},
        {"1_000", "'1_000'"},
        {"1:20", "'1:20'"},
        {".inf", "'.inf'"},
        {".nan", "'.nan'"},
        {"+1", "'+1'"},
        {"-", "'-'"},
        {"-a", "'-a'"},
        {"a: b", "'a: b'"},
        {"a:b", "'a:b'"},
        {"a #b", "'a #b'"},
        {"?", "'?'"},
        {"!a", "'!a'"},
        {"&a", "'&a'"},
        {"*a", "'*a'"},
        {"%a", "'%a'"},
        {"@a", "'@a'"},
        {"`a", "'`a'"},
        {"|", "'|'"},
        {">", "'>'"},
        {",", "','"},
        {"a,b", "'a,b'"},
        {" a", "' a'"},
        {"a ", "'a '"},
        {"'", "''''"},
        {"it's", "'it''s'"},
        {"\"", "'\"'"},
        {"a\tb", "\"a\\tb\""},
        {"a\nb", "\"a\\nb\""},
        {"\r", "\"\\r\""},
        {"\x7F", "\"\\x7F\""},
        {"\xC2\x85", "\"\\N\""},
        {"\xE2\x80\xA8", "\"\\L\""},
        {"\xEF\xBB\xBF", "\"\\uFEFF\""},
        {"\\\t\"", "\"\\\\\\t\\\"\""},
    };
    for (const auto& [text, scalar] : cases)
        EXPECT_EQ(YamlScalar(text), scalar) << text;
}

TEST(YamlScalar, RefusesWhatIsNotUtf8)
{
    for (const std::string text : {"\xE6\x98", "\xC0\x80", "\xED\xA0\x80", "a\xFF"})
        EXPECT_EQ(YamlScalar(text), std::nullopt) << text;
}

} // namespace
} // namespace tavenor
