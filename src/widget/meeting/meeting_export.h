#pragma once

#include <QString>

// A meeting text as a Word-readable HTML 4.01 document. bodyHtml goes in as
// it is; plain text must be escaped by the caller (meetingPlainTextAsHtml).
QString meetingExportDocument(const QString &title, const QString &bodyHtml);
// Plain text with its markup characters escaped and its line breaks kept.
QString meetingPlainTextAsHtml(const QString &text);
// The name the user chose, with ".doc" appended unless it already ends in
// ".doc" or ".docx".
QString meetingExportFileName(const QString &chosen);
