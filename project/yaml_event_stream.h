#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tavenor {

// Where an event starts or ends: its byte offset in the file, and its line and column (from 1,
// the column counted in characters, as an editor shows it).
struct YamlPlace {
    std::size_t byte = 0;
    std::size_t line = 1;
    std::size_t column = 1;
};

// "line 3, column 7", for error messages.
std::string DescribePlace(const YamlPlace& place);

enum class YamlEventKind {
    DocumentStart,
    DocumentEnd,
    Alias,
    Scalar,
    SequenceStart,
    SequenceEnd,
    MappingStart,
    MappingEnd,
    StreamEnd,
};

// One event of the stream, valid until the next one is read. A scalar's range runs from its
// first character (an opening quote, a block scalar's indicator) to just after its last, which
// for a block scalar is the start of the line after it.
struct YamlEvent {
    YamlEventKind kind = YamlEventKind::StreamEnd;
    YamlPlace start;
    YamlPlace end;
    std::string_view value; // a scalar's value, UTF-8
    bool flow = false; // a flow collection's start or end
    bool blockScalar = false; // a literal (|) or folded (>) scalar
    bool hasProperties = false; // an anchor or a tag: the range starts there, not at the value
};

// libyaml's parser over UTF-8 bytes, as a stream of events placed in those bytes: libyaml counts
// marks in characters, and this maps them to byte offsets as it goes. Throws ProjectError, with
// the place that libyaml names, for bytes that are not YAML or not UTF-8.
class YamlEventStream {
public:
    explicit YamlEventStream(std::string_view bytes);
    ~YamlEventStream();
    YamlEventStream(const YamlEventStream&) = delete;
    YamlEventStream& operator=(const YamlEventStream&) = delete;

    // The next event after the stream's start; StreamEnd at the end, and again after it.
    const YamlEvent& next();

private:
    struct Parser;
    std::unique_ptr<Parser> m_parser;
};

} // namespace tavenor
