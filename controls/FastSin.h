#pragma once
// The polynomial sine the lit renderers use for pointer positions and ribs.
// It is a few times cheaper than std::sin and accurate to about 3e-4, which
// is far below what a lit pixel can show.

double fastSin(double x);
