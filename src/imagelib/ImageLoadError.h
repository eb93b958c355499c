#pragma once
#include <stdexcept>

// The one failure of the image library that means "this picture cannot be decoded"
// (missing, empty, corrupt, truncated, not a picture, too large to hold).
// Opening a picture catches exactly this type; every other failure is a general error.
class ImageLoadError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
