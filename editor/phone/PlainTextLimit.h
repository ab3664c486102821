// A length limit for a QPlainTextEdit, which has none of its own.
#pragma once

class QPlainTextEdit;

namespace glyphsmith {

// From now on, text typed or pasted into `edit` beyond `maxLength` UTF-16
// units is dropped (never half a surrogate pair); the cursor stays where it
// was, or at the end when that is gone. Slots connected to textChanged after
// this call see the cut text.
void limitPlainText(QPlainTextEdit *edit, int maxLength);

}  // namespace glyphsmith
