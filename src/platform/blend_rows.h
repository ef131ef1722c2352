#pragma once
// Row kernels of the blitter: n pixels of source s combined into destination d. With
// `keyed`, source pixels equal to `key` leave the destination unchanged. k is the
// strength, 1..255. The loops are written branch-free so the compiler can vectorise them.

#include "platform/surface.h"

namespace orbigolf::platform {

void keyedCopyRow(Pixel565* d, const Pixel565* s, int n, Pixel565 key);
// Copies the parts of `count` runs of source row s that lie in columns from..to-1 to
// destination row d, whose first pixel is column `from`.
void copyRuns(Pixel565* d, const Pixel565* s, const KeyRuns::Run* runs, size_t count, int from, int to);
void addRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key);
void alphaRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key);
void subtractRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key);
void alphaFillRow(Pixel565* d, int n, Pixel565 colour, unsigned k);

}  // namespace orbigolf::platform
