// SPDX-License-Identifier: GPL-3.0-or-later
// Which tags the tagging pass reads.
#pragma once

namespace Functions {

// Id3v1: the 128-byte tag at the end of each file, and nothing else.
// Id3v2: the artist and title of the ID3v2 tag at the start of the file, each one
// it lacks or leaves empty taken from the ID3v1 tag as above.
enum class TagReading { Id3v1, Id3v2 };

} // namespace Functions
