#include "engine/KeyBank.h"

namespace {

// Every per-key field, for moving keys between banks.
constexpr KeyBank::Field<float> KeyBank::*kFloatFields[] = {
    &KeyBank::aPartialPosition,
    &KeyBank::aMainPosition,
    &KeyBank::aPartialVelocity,
    &KeyBank::aMainVelocity,
    &KeyBank::bPartialPosition,
    &KeyBank::bMainPosition,
    &KeyBank::bPartialVelocity,
    &KeyBank::bMainVelocity,
    &KeyBank::bodyPosition,
    &KeyBank::bodyVelocity,
    &KeyBank::noiseStiffness,
    &KeyBank::noiseResonance,
    &KeyBank::lfoPosition,
    &KeyBank::lfoVelocity,
    &KeyBank::envLevel,
    &KeyBank::envDecay,
    &KeyBank::bowVelocity,
    &KeyBank::bowPosition,
    &KeyBank::crushSteps,
    &KeyBank::crushStepReciprocal,
    &KeyBank::hitPower,
    &KeyBank::excitationLevel,
    &KeyBank::strikeForceSnapshot,
    &KeyBank::balanceBase,
    &KeyBank::bendScaleUp,
    &KeyBank::bendScaleDown,
    &KeyBank::diffusion,
    &KeyBank::bDecay,
    &KeyBank::bStiffness,
    &KeyBank::bDetunedStiffness,
    &KeyBank::bTargetStiffness,
    &KeyBank::mainStiffness,
    &KeyBank::mainTargetStiffness,
    &KeyBank::mainTargetReciprocal,
    &KeyBank::scrapeGain,
    &KeyBank::partialStiffness,
    &KeyBank::partialTargetStiffness,
    &KeyBank::bDrive,
    &KeyBank::beatGuard,
    &KeyBank::decay,
    &KeyBank::bodyDecay,
    &KeyBank::excitationProgress,
    &KeyBank::hitStep,
    &KeyBank::force,
    &KeyBank::panARight,
    &KeyBank::panBRight,
    &KeyBank::panBodyRight,
    &KeyBank::panALeft,
    &KeyBank::panBLeft,
    &KeyBank::panBodyLeft,
    &KeyBank::aOutput,
    &KeyBank::aActivity,
    &KeyBank::aPrevious,
    &KeyBank::bOutput,
    &KeyBank::bActivity,
    &KeyBank::bPrevious,
    &KeyBank::bentWith,
};
// The fields a key's springs change (what goes back after a stretch).
constexpr KeyBank::Field<float> KeyBank::*kChangedFloatFields[] = {
    &KeyBank::aPartialPosition,
    &KeyBank::aMainPosition,
    &KeyBank::aPartialVelocity,
    &KeyBank::aMainVelocity,
    &KeyBank::bPartialPosition,
    &KeyBank::bMainPosition,
    &KeyBank::bPartialVelocity,
    &KeyBank::bMainVelocity,
    &KeyBank::lfoPosition,
    &KeyBank::lfoVelocity,
    &KeyBank::envLevel,
    &KeyBank::bowVelocity,
    &KeyBank::bowPosition,
    &KeyBank::excitationLevel,
    &KeyBank::strikeForceSnapshot,
    &KeyBank::bStiffness,
    &KeyBank::bDetunedStiffness,
    &KeyBank::mainStiffness,
    &KeyBank::partialStiffness,
    &KeyBank::decay,
    &KeyBank::bDecay,
    &KeyBank::excitationProgress,
    &KeyBank::hitStep,
    &KeyBank::force,
    &KeyBank::aOutput,
    &KeyBank::aActivity,
    &KeyBank::aPrevious,
    &KeyBank::bOutput,
    &KeyBank::bActivity,
    &KeyBank::bPrevious,
    &KeyBank::bentWith,
};
constexpr KeyBank::Field<int32_t> KeyBank::*kChangedIntFields[] = {&KeyBank::startOffset, &KeyBank::keyDown,
                                                                   &KeyBank::releaseAfterStrike};

constexpr KeyBank::Field<int32_t> KeyBank::*kIntFields[] = {
    &KeyBank::link,     &KeyBank::startOffset, &KeyBank::keyDown, &KeyBank::releaseAfterStrike,
    &KeyBank::rendered, &KeyBank::upperKey,
};

} // namespace

void KeyBank::gather(const KeyBank& from, const int* keys, int count, int lanes)
{
    for (auto field : kFloatFields)
    {
        for (int i = 0; i < count; ++i)
            (this->*field)[i] = (from.*field)[keys[i]];
        for (int i = count; i < lanes; ++i)
            (this->*field)[i] = 0.0f;
    }
    for (auto field : kIntFields)
    {
        for (int i = 0; i < count; ++i)
            (this->*field)[i] = (from.*field)[keys[i]];
        for (int i = count; i < lanes; ++i)
            (this->*field)[i] = 0;
    }
}

void KeyBank::scatter(KeyBank& to, const int* keys, int count) const
{
    for (auto field : kChangedFloatFields)
        for (int i = 0; i < count; ++i)
            (to.*field)[keys[i]] = (this->*field)[i];
    for (auto field : kChangedIntFields)
        for (int i = 0; i < count; ++i)
            (to.*field)[keys[i]] = (this->*field)[i];
}
