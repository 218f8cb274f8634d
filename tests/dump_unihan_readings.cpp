#include "codec/gb18030_codec.h"
#include "encoded_ideographs.h"
#include "pinyin/unihan_readings.h"

#include <cstdio>

// Lists what the program finds for each ideograph as the user would type it (encoded by the
// program's codec, then looked up): one line "XXXX<TAB>reading" (hex code point, UTF-8) per
// character with a reading, for generate_readings.py to compare with what it meant to build.
int main()
{
    const auto encoded = tavenor::testing::EncodeIdeographCodePoints();
    if (encoded.empty()) {
        std::fputs("the codec did not give one character per code point\n", stderr);
        return 1;
    }
    for (const auto& [codePoint, bytes] : encoded) {
        const std::string_view reading = tavenor::FindUnihanReading(bytes);
        if (!reading.empty())
            std::printf("%04X\t%s\n", static_cast<unsigned>(codePoint),
                        tavenor::FromGb18030(reading).toUtf8().constData());
    }
    return 0;
}
