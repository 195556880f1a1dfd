/* The built-in pictures as ready pixels (made at build time by
   tools/pictures, laid out as PictureFile.h says), aligned as Qt's drawing
   code expects pixel rows to be. */
    .section .rodata
    .balign 16
    .global kestrinPictures
kestrinPictures:
    .incbin KESTRIN_PICTURES_FILE
    .section .note.GNU-stack, "", @progbits
