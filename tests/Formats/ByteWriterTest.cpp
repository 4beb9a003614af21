// The byte writer's two modes give the same bytes: in memory, and written
// through to a file in pieces with the lengths of chunks that began in an
// earlier piece patched at the end.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "Formats/ByteBuffer.h"

namespace {

// Nested chunks around more data than one piece, with a big block written
// in one go, then small chunks after it.
void writeSample(ByteWriter& out)
{
    const size_t outer = out.beginChunk("OUTR");
    out.stringRecord("name");
    const size_t bulk = out.beginChunk("BULK");
    for (uint32_t i = 0; i < 3 * ByteWriter::FlushSize / 4; ++i) {
        unsigned char* p = out.room(4);
        std::memcpy(p, &i, 4);
        out.commit(p + 4);
    }
    out.endChunk(bulk);
    const std::vector<unsigned char> block(ByteWriter::FlushSize + 3, 0xAB);
    const size_t aside = out.beginChunk("ASID");
    out.bytes(block.data(), block.size());
    out.endChunk(aside);
    out.endChunk(outer);
    const size_t last = out.beginChunk("LAST");
    out.f32(std::nanf(""));
    out.endChunk(last);
}

uint32_t u32At(const std::vector<unsigned char>& bytes, size_t at)
{
    uint32_t v;
    std::memcpy(&v, &bytes[at], 4);
    return v;
}

} // namespace

TEST(ByteWriter, FileModeWritesWhatMemoryModeHolds)
{
    ByteWriter memory;
    writeSample(memory);
    ASSERT_FALSE(memory.failed());
    const std::vector<unsigned char> expected(memory.data(), memory.data() + memory.size());
    ASSERT_GT(expected.size(), 4 * ByteWriter::FlushSize);
    EXPECT_EQ(u32At(expected, 4), expected.size() - 8 - 12) << "OUTR spans everything but LAST";
    const std::string path = (std::filesystem::temp_directory_path() / "tavo-bytewriter.bin").string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ByteWriter file(f);
    writeSample(file);
    EXPECT_TRUE(file.finish());
    std::fclose(f);
    std::vector<unsigned char> written(std::filesystem::file_size(path));
    f = std::fopen(path.c_str(), "rb");
    ASSERT_EQ(std::fread(written.data(), 1, written.size(), f), written.size());
    std::fclose(f);
    std::filesystem::remove(path);
    EXPECT_TRUE(written == expected);
}
