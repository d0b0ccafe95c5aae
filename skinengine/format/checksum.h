#pragma once
// The two digests the skin format uses: CRC-32 (IEEE 802.3, reflected) over
// the whole file, and SHA-256 for the salted password hash.

#include <array>
#include <cstddef>
#include <cstdint>

std::uint32_t Crc32(const unsigned char* data, std::size_t length);

using Sha256Digest = std::array<unsigned char, 32>;
Sha256Digest Sha256(const unsigned char* data, std::size_t length);
