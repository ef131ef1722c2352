#pragma once

// Scratch state kept between calls, one copy per thread (the solver plays games on several
// threads at once). The browser build runs on one thread, and WebAssembly's thread-local
// storage would need shared memory there, so it is a plain static in that build.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
#define ORBIGOLF_PER_THREAD static
#else
#define ORBIGOLF_PER_THREAD thread_local
#endif
