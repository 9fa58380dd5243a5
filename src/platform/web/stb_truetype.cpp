// stb_truetype's code, compiled once here for the whole program.
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb_truetype.h>
