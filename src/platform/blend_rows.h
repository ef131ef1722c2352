#pragma once
// Row kernels of the blitter: n pixels of source s combined into destination d. With
// `keyed`, source pixels equal to `key` leave the destination unchanged. k is the
// strength, 1..255. The loops are written branch-free so the compiler can vectorise them.

#include "platform/surface.h"

namespace orbigolf::platform {

void keyedCopyRow(Pixel565* d, const Pixel565* s, int n, Pixel565 key);
void addRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key);
void alphaRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key);
void subtractRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key);
void alphaFillRow(Pixel565* d, int n, Pixel565 colour, unsigned k);

}  // namespace orbigolf::platform
