// The photos are written with the tests' EXIF builder.
#include "../../tests/support/ExifJpegBuilder.cpp"
