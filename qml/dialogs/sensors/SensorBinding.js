.pragma library

// A sensor has one source: whatever moves it off CAN frees the CAN analog input that fed it, or
// the device would go on writing that input into the sensor beside its new source.

// Returns true when an input was freed (the caller raises the CAN change flag).
function releaseCanInputs(extra, sensorId) {
    if (!extra || !extra.customCan)
        return false
    const inputs = extra.customCan.canAnalogInputs
    let freed = false
    for (let i = 0; i < inputs.length; ++i) {
        if (inputs[i].isInputEnabled && inputs[i].destinationSensId === sensorId) {
            inputs[i].isInputEnabled = false
            freed = true
        }
    }
    if (freed)
        extra.setCustomCanHasChanges(true)
    return freed
}

// The channel a source starts with when it needs none of its own: the gear calculated from speed
// and RPM names the speed sensor it is computed from.
function defaultChannel(source, calculatedSource, speedIndex) {
    return source === calculatedSource ? speedIndex : 0
}
