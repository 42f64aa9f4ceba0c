#pragma once
// What the frame builder needs from the settings side. The settings code implements this over
// its real images; ZeroImageProvider stands in until then (and in tests).

#include "link/LinkConstants.h"

#include <QByteArray>

class LinkImageProvider
{
public:
    virtual ~LinkImageProvider() = default;
    // The 28876-byte dash settings image.
    virtual QByteArray dashImage() const = 0;
    // The 40960-byte PDM settings image.
    virtual QByteArray pdmImage() const = 0;
    // Dash firmware version as a number (1.85 for "S1.85"); 0 when unknown.
    virtual float firmwareVersionNumber() const = 0;
    // The stored reference lap, uncompressed (empty when there is none).
    virtual QByteArray refLapData() const = 0;
    // The prepared start-up logo bytes.
    virtual QByteArray userLogoData() const = 0;
    virtual int curSkinMode() const = 0;
};

class ZeroImageProvider : public LinkImageProvider
{
public:
    QByteArray dashImage() const override { return m_dash; }
    QByteArray pdmImage() const override { return m_pdm; }
    float firmwareVersionNumber() const override { return m_version; }
    QByteArray refLapData() const override { return m_refLap; }
    QByteArray userLogoData() const override { return m_logo; }
    int curSkinMode() const override { return m_skinMode; }

    QByteArray m_dash = QByteArray(qsizetype(LinkConst::DashImageSize), '\0');
    QByteArray m_pdm = QByteArray(qsizetype(LinkConst::PdmImageSize), '\0');
    float m_version = 0.0f;
    QByteArray m_refLap;
    QByteArray m_logo;
    int m_skinMode = 0;
};
