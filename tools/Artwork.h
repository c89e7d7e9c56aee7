#pragma once

#include <QDir>
#include <QImage>
#include <QPainterPath>
#include <QString>

// Each area draws its own pictures into its folder under assets/.
void drawShellArt(const QDir &dir);
void drawWidgetArt(const QDir &dir);
void drawHuntingArt(const QDir &dir);
void drawReferenceArt(const QDir &dir);
// The crafting window's item and resource pictures, drawn by drawReferenceArt.
void drawCraftArt(const QDir &dir);
// The recipe pictures and ingredient pictures of the reference windows.
void drawPictureRefArt(const QDir &dir);
void drawWebArt(const QDir &dir);

// Saves `image` as dir/name; stops the tool with a message when that fails.
void saveArt(const QImage &image, const QDir &dir, const QString &name);
// A closed outline through the points, the shape most drawings are made of.
QPainterPath polygon(std::initializer_list<QPointF> points);
