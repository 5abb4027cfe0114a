// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/pdf_metadata.h"

namespace kelvra {

namespace {

// XML text: markup escaped, and the control characters XML 1.0 refuses left
// out (a name may hold one, pasted in).
QByteArray XmlText(const QString& text) {
  QString kept;
  kept.reserve(text.size());
  for (const QChar c : text)
    if (c.unicode() >= 0x20 || c == u'\n' || c == u'\t') kept += c;
  return kept.toHtmlEscaped().toUtf8();
}

}  // namespace

QByteArray PdfXmpMetadata(const QString& title, const QString& description, const QString& creator) {
  const auto alternative = [](const char* name, const QString& text) {
    return QByteArray("   <dc:") + name + "><rdf:Alt><rdf:li xml:lang=\"x-default\">" + XmlText(text) +
           "</rdf:li></rdf:Alt></dc:" + name + ">\n";
  };
  return QByteArray("<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                    "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                    " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                    "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
                    "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n") +
         alternative("title", title) + alternative("description", description) + "   <xmp:CreatorTool>" +
         XmlText(creator) +
         "</xmp:CreatorTool>\n"
         "  </rdf:Description>\n"
         " </rdf:RDF>\n"
         "</x:xmpmeta>\n"
         "<?xpacket end=\"w\"?>";
}

}  // namespace kelvra
