#pragma once

namespace palvorin {

// True when every font the book is set in has a glyph for ACaracter; a character the
// fonts lack would print as an empty box. The fonts compiled into the program are read
// once, with FreeType. A program built without them raises EInterno: it could judge nothing.
bool FontesDoLivroDesenham(char32_t ACaracter);

} // namespace palvorin
