#pragma once
// Every block of the image that is not a channel record: FM presets, options,
// DTMF, alert, scan, keys, embedded message, model block and feature flags.

namespace pmr {

struct AppContext;

/// Writes all radio-wide blocks; first stores the current model and band into
/// the document's Model record.
void EncodeSettings(AppContext& app);

/// Reads all radio-wide blocks into the document, then the model block and the
/// feature flags.
void DecodeSettings(AppContext& app);

/// Model name and band code from the image into Model, and from there into the
/// derived model name, band text, band limits and the radio information record.
void DecodeModelBlock(AppContext& app);

/// The radio's four feature bits (byte 0x13FC, bits 3..0) into RadioFeatures;
/// a configured switch that is 0 takes the radio's bit as well.
void DecodeFeatureFlags(AppContext& app);

} // namespace pmr
