#pragma once
// Binary drawing files hold the same tags as text files, with numbers in
// their machine form. Reading turns them into the text form, so that one
// reader serves both; a save in binary turns the written text back.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A binary file that cannot be read: what and where (bytes from the start).
class OdDxfBinaryError : public std::runtime_error {
public:
  OdDxfBinaryError(const std::string& what, size_t offset) : std::runtime_error(what), m_offset(offset) {}
  size_t offset() const { return m_offset; }

private:
  size_t m_offset;
};

// Whether the content opens as a binary drawing does.
bool odDxfIsBinary(std::string_view content);

// The 22 bytes every binary drawing opens with.
std::string_view odDxfBinarySentinel();

// The tags of a binary drawing as text: a code line and a value line each.
// Numbers are written so that they read back to the same bits; line breaks
// inside texts become ^J and ^M, as text files write them. Stops after
// "0 EOF". tagOffsets, when given, receives where each tag starts.
// Throws OdDxfBinaryError.
// With damage given, a damaged file is not refused: the text holds the tags
// before the damage, and damage says what and where.
std::string odDxfBinaryToText(std::string_view binary, std::vector<uint32_t>* tagOffsets = nullptr,
                              OdDxfBinaryError* damage = nullptr);

// The text form back to binary. oneByteCodes: files of R12 and older, whose
// group codes take one byte (255 announces a two-byte one). Comments have
// no binary form and are left out. Throws OdDxfBinaryError (the offset is
// the line of the text).
std::string odDxfTextToBinary(std::string_view text, bool oneByteCodes);
