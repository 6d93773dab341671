#include "removal/module_catalogue.h"

namespace removal {

const std::vector<RemovalOption>& ModuleCatalogue() {
    // Processing order, which differs from the order of the boxes on screen (msn comes before aim here).
    // Patterns may overlap: a module moves with the first ticked row that matches it.
    static const std::vector<RemovalOption> rows = {
        {"Vendor_xml", "Remove Vendor.xml", {}},
        {"bsv",
         "Remove BlackBerry Sample Video [2.5Mb]",
         {"net_rim_bb_medialoader_video_83xx_320x240*.cod", "net_rim_bb_medialoader_240x260*.cod",
          "net_rim_bb_medialoader_video.cod", "net_rim_bb_medialoader_480x320_b.cod"}},
        {"vad", "Remove Voice Activated Dialling (VAD) [600Kb]", {"net_rim_vad*.cod"}},
        {"themes",
         "Remove Carrier Themes [200-700Kb each]",
         {"net_rim_theme_1*.cod", "net_rim_theme_precision_silver_480x320_b.cod"}},
        {"wallpaper",
         "Remove Pre-Loaded Wallpaper [2-3Mb]",
         {"net_rim_bb_media_320x240_b.cod", "net_rim_bb_media_240x260_b.cod",
          "net_rim_bb_medialoader_320x240_b.cod", "net_rim_bb_medialoader_240x260_b.cod",
          "net_rim_bb_media_88*.cod", "net_rim_bb_medialoader_backgrounds_480x320_b.cod",
          "net_rim_bb_medialoader_music_480x320_b.cod"}},
        {"ptt", "Remove  Push To Talk  (AT&&T only) [340Kb]", {"net_rim_bb_phone_ptt_app.cod", "KnJCDE.cod"}},
        {"myfaves",
         "Remove MyFaves (T-Mobile only) [300Kb]",
         {"net_rim_bb_media_100_five_icon_library.cod", "net_rim_tmo_five.cod"}},
        {"yahoo", "Remove Yahoo (OS 4.5.only.)", {"net_rim_bb_qm_yahoo*.cod"}},
        {"msn", "Remove MSN (OS 4.5 only)", {"net_rim_bb_qm_msn*.cod"}},
        {"aim", "Remove AIM (OS 4.5 only)", {"net_rim_bb_qm_aim*.cod"}},
        {"tty", "Remove TTY (for hearing impaired users)", {"net_rim_phone_tty_enabler.cod"}},
    };
    return rows;
}

} // namespace removal
