# Sources of the campaign folder, listed one by one.
set(CAMPAIGN_SOURCES
  campaign/config.cpp
  campaign/spieler.cpp
  campaign/spieler_session.cpp
  campaign/besttimes.cpp
  campaign/scene_intro.cpp
  campaign/scene_roadmap.cpp
  campaign/scene_story.cpp
)
