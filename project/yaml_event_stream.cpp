#include "project/yaml_event_stream.h"

#include "project/project_file.h"

#include <yaml.h>

#include <new>
#include <vector>

namespace tavenor {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80; }

// Character index to byte offset, walking on from the last place asked for: the marks of
// successive events never move back through the file, so the whole walk is one pass.
class CharacterOffsets {
public:
    CharacterOffsets(std::string_view bytes, std::size_t firstByte)
        : m_bytes(bytes)
        , m_byte(firstByte)
    {
    }

    std::size_t byteOf(std::size_t index)
    {
        // A mark behind the walk would place every later change wrongly: refuse the file.
        if (index < m_index)
            throw ProjectError("libyaml placed an event before the one read last");
        while (m_index < index && m_byte < m_bytes.size()) {
            ++m_byte;
            while (m_byte < m_bytes.size() && IsContinuationByte(m_bytes[m_byte]))
                ++m_byte;
            ++m_index;
        }
        return m_byte;
    }

private:
    std::string_view m_bytes;
    std::size_t m_byte;
    std::size_t m_index = 0;
};

// The line (from 1) that a byte offset lies on, for libyaml's reader errors, which give only
// the offset.
std::size_t LineOfByte(std::string_view bytes, std::size_t offset)
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n'
            || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

} // namespace

std::string DescribePlace(const YamlPlace& place)
{
    return "line " + std::to_string(place.line) + ", column " + std::to_string(place.column);
}

struct YamlEventStream::Parser {
    std::string_view bytes;
    yaml_parser_t parser{};
    yaml_event_t event{};
    bool holdsEvent = false;
    bool ended = false;
    CharacterOffsets offsets;
    std::vector<bool> flowCollections; // the open collections, innermost last
    YamlEvent current;

    Parser(std::string_view input, std::size_t firstByte)
        : bytes(input)
        , offsets(input, firstByte)
    {
        if (yaml_parser_initialize(&parser) == 0)
            throw std::bad_alloc();
        yaml_parser_set_input_string(&parser, reinterpret_cast<const unsigned char*>(input.data()),
                                     input.size());
    }

    // Here rather than in the stream's destructor, which does not run when its constructor
    // throws on the stream's first event.
    ~Parser()
    {
        if (holdsEvent)
            yaml_event_delete(&event);
        yaml_parser_delete(&parser);
    }

    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    YamlPlace placeOf(const yaml_mark_t& mark)
    {
        return {offsets.byteOf(mark.index), mark.line + 1, mark.column + 1};
    }

    [[noreturn]] void fail()
    {
        const std::string problem = parser.problem != nullptr ? parser.problem : "not YAML";
        if (parser.error == YAML_READER_ERROR) {
            throw ProjectError("line " + std::to_string(LineOfByte(bytes, parser.problem_offset))
                               + " (byte " + std::to_string(parser.problem_offset)
                               + "): " + problem);
        }
        std::string message = "line " + std::to_string(parser.problem_mark.line + 1) + ", column "
            + std::to_string(parser.problem_mark.column + 1) + ": " + problem;
        if (parser.context != nullptr)
            message += std::string(" (") + parser.context + ")";
        throw ProjectError(message);
    }

    // Reads libyaml's next event into the one kept.
    void parse()
    {
        if (holdsEvent)
            yaml_event_delete(&event);
        holdsEvent = false;
        if (yaml_parser_parse(&parser, &event) == 0)
            fail();
        holdsEvent = true;
    }
};

YamlEventStream::YamlEventStream(std::string_view bytes)
{
    // libyaml would take UTF-16 by its byte-order mark, and its marks would then count
    // two-byte units: OpenUtau writes UTF-8 only.
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        throw ProjectError("line 1: the file is UTF-16, not UTF-8");
    // libyaml skips a leading byte-order mark without counting it.
    const std::size_t firstByte
        = bytes.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
    m_parser = std::make_unique<Parser>(bytes, firstByte);
    m_parser->parse();
}

YamlEventStream::~YamlEventStream() = default;

const YamlEvent& YamlEventStream::next()
{
    Parser& p = *m_parser;
    if (p.ended)
        return p.current;
    p.parse();
    const yaml_event_t& e = p.event;
    YamlEvent& out = p.current;
    out = YamlEvent{};
    out.start = p.placeOf(e.start_mark);
    out.end = p.placeOf(e.end_mark);
    switch (e.type) {
    case YAML_DOCUMENT_START_EVENT: out.kind = YamlEventKind::DocumentStart; break;
    case YAML_DOCUMENT_END_EVENT: out.kind = YamlEventKind::DocumentEnd; break;
    case YAML_ALIAS_EVENT: out.kind = YamlEventKind::Alias; break;
    case YAML_SCALAR_EVENT:
        out.kind = YamlEventKind::Scalar;
        out.value = std::string_view(reinterpret_cast<const char*>(e.data.scalar.value),
                                     e.data.scalar.length);
        out.blockScalar = e.data.scalar.style == YAML_LITERAL_SCALAR_STYLE
            || e.data.scalar.style == YAML_FOLDED_SCALAR_STYLE;
        out.hasProperties = e.data.scalar.anchor != nullptr || e.data.scalar.tag != nullptr;
        break;
    case YAML_SEQUENCE_START_EVENT:
        out.kind = YamlEventKind::SequenceStart;
        out.flow = e.data.sequence_start.style == YAML_FLOW_SEQUENCE_STYLE;
        out.hasProperties
            = e.data.sequence_start.anchor != nullptr || e.data.sequence_start.tag != nullptr;
        p.flowCollections.push_back(out.flow);
        break;
    case YAML_MAPPING_START_EVENT:
        out.kind = YamlEventKind::MappingStart;
        out.flow = e.data.mapping_start.style == YAML_FLOW_MAPPING_STYLE;
        out.hasProperties
            = e.data.mapping_start.anchor != nullptr || e.data.mapping_start.tag != nullptr;
        p.flowCollections.push_back(out.flow);
        break;
    case YAML_SEQUENCE_END_EVENT:
    case YAML_MAPPING_END_EVENT:
        out.kind = e.type == YAML_SEQUENCE_END_EVENT ? YamlEventKind::SequenceEnd
                                                     : YamlEventKind::MappingEnd;
        out.flow = p.flowCollections.back();
        p.flowCollections.pop_back();
        break;
    case YAML_STREAM_END_EVENT:
        out.kind = YamlEventKind::StreamEnd;
        p.ended = true;
        break;
    default: // the stream's start, which the constructor has read
        return next();
    }
    return out;
}

} // namespace tavenor
