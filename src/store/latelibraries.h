#pragma once

namespace velmora::store {

// SQLCipher, libzip and the libcrypto under both are not linked into the
// program: loading them at start costs a millisecond before main(), and the
// start screen needs none of them. latelibraries.cpp defines the functions
// the program calls, each of which loads its library on the first call and
// forwards to it. A library or function that cannot be found ends the
// program as the system's loader would have at start, with its message and
// exit code 127.
enum class LateLibrary { SqlCipher, Zip, Crypto };

// Whether the library has been loaded into the process yet.
bool lateLibraryLoaded(LateLibrary library);

} // namespace velmora::store
