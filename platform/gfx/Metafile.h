#pragma once
// Enhanced metafiles: drawings recorded to a file and played back stretched
// into a rectangle of any context.
//
// The file format is this system's own: the header "BRISEMF" + format byte,
// the recorded frame (four little-endian 32-bit integers: left, top, right,
// bottom in the recording context's units), the SHA-256 digest of the drawing
// and the drawing as a serialised QPicture. A file that is missing, short or
// damaged is refused as a whole.

#include "platform/gfx/Types.h"

#include <cstdint>
#include <string>

namespace platform::gfx {

// Starts recording into a context whose drawing goes to the file at closing.
// The reference context (0: the screen) gives the dots per inch. frame, when
// given, is the part of the drawing (in MM_TEXT units of the recording) that is
// stretched onto the target at playback; without one it is the bounding box of
// what was drawn. 0 when the path is empty.
DcHandle createEnhMetaFile(DcHandle reference, const std::string& path, const Rect* frame = nullptr);
// Ends the recording, writes the file and returns the metafile; 0 when the file
// cannot be written (the context is deleted either way).
MetafileHandle closeEnhMetaFile(DcHandle recording);
// The largest metafile file that is read: far above any picture the system
// records (an audiogram underlay takes some ten kilobytes).
inline constexpr std::int64_t kLargestMetafileFile = 64 << 20;
// Reads a metafile file; 0 when it is missing, larger than
// kLargestMetafileFile (refused before it is read), no regular file (a FIFO is
// never waited on) or not a valid metafile.
MetafileHandle getEnhMetaFile(const std::string& path);
// Plays the metafile with its frame stretched onto the rectangle (logical units
// of the target), clipped by the target's clipping. The target's drawing state
// is unchanged afterwards.
bool playEnhMetaFile(DcHandle target, MetafileHandle metafile, const Rect& rect);
bool deleteEnhMetaFile(MetafileHandle metafile);

}  // namespace platform::gfx
