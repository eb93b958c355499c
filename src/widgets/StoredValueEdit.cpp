#include "widgets/StoredValueEdit.h"

void StoredValueEdit::ShowStored(const std::string &stored, const TextCodec &codec)
{
    codec_ = codec;
    stored_ = stored;
    setText(codec.ShownValue(stored));
    shown_ = text();
}

void StoredValueEdit::TakeOver(const StoredValueEdit &other)
{
    codec_ = other.codec_;
    stored_ = other.stored_;
    shown_ = other.shown_;
    setText(other.text());
}

std::string StoredValueEdit::Stored() const
{
    const QString typed = text();
    return typed == shown_ ? stored_ : codec_.AttributeValue(typed);
}
