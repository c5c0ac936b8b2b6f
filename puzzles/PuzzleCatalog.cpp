#include "PuzzleCatalog.h"

namespace basPuzzles {

// Each row: first definition, second definition, answer, marked position.
constexpr std::array<CatalogPuzzle, CatalogSize> PuzzleCatalog{{
    // 1
    {.Items = {{
         {"Company", "Solid", "Firm", 4},
         {"Flying Mammal", "A Piece of Baseball Equipment", "Bat", 3},
         {"To Serve", "To Pause", "Wait", 3},
         {"Series of Issues", "Loudness", "Volume", 2},
         {"Sight", "Dream", "Vision", 3},
     }},
     .FinalClue = "Slightly Wet:",
     .FinalAnswer = "Moist"},
    // 2
    {.Items = {{
         {"Satisfied", "The Meaning or Significance of a Literary Work", "Content", 2},
         {"Infuriate", "An Aromatic Substance Burned to Produce a Pleasant Odor", "Incense", 5},
         {"A Slender Candle", "Progressively Narrowed Toward on Edge", "Taper", 1},
         {"Exceptionally Small", "One Sixtieth of an Hour", "Minute", 2},
         {"Express Disapproval of Something", "A Material Thing", "Object", 3},
     }},
     .FinalClue = "Place Where Two Parts are Joined:",
     .FinalAnswer = "Joint"},
    // 3
    {.Items = {{
         {"Solemn", "A Burial Place", "Grave", 5},
         {"To Carry", "A Market Pessimist", "Bear", 3},
         {"Scarce", "Underdone", "Rare", 4},
         {"Impartial", "Cloudless", "Fair", 4},
         {"A Heating Vent", "To Enroll", "Register", 3},
     }},
     .FinalClue = "Raring to Go:",
     .FinalAnswer = "Eager"},
    // 4
    {.Items = {{
         {"Heavy Metal", "The Starring Role", "Lead", 4},
         {"To Nick", "A Short Golf Shot", "Chip", 1},
         {"Pristine", "A Fortune", "Mint", 2},
         {"To Comfort", "A Control Panel", "Console", 6},
         {"An Oddball", "Moral Fiber", "Character", 2},
     }},
     .FinalClue = "Youngster:",
     .FinalAnswer = "Child"},
    // 5
    {.Items = {{
         {"To Clinch, as a Deal", "A Marine Mammal", "Seal", 3},
         {"A Devotee", "To Strike Out, in Baseball", "Fan", 3},
         {"A Beak", "A Proposed Law", "Bill", 1},
         {"Racetrack Seating", "To Show Off", "Grandstand", 6},
         {"A Sail Spar", "Thirty-Six Inches", "Yard", 3},
     }},
     .FinalClue = "Farm Buildings:",
     .FinalAnswer = "Barns"},
    // 6
    {.Items = {{
         {"To Hide, as a Card", "A Tropical Tree", "Palm", 2},
         {"Elasticity", "To Free from Jail", "Spring", 1},
         {"To Gush", "Healthy", "Well", 2},
         {"To Retort", "A Work Surface", "Counter", 4},
         {"Woof", "To Scrape, as a Shin", "Bark", 3},
     }},
     .FinalClue = "Noose Trap:",
     .FinalAnswer = "Snare"},
    // 7
    {.Items = {{
         {"To Dodge", "Sturdy Cotton Cloth", "Duck", 2},
         {"A Basin", "To Hole, as a Putt", "Sink", 3},
         {"To Sway", "A Pillar of Strength", "Rock", 1},
         {"An Oration", "Street and Number", "Address", 6},
         {"To Stomp", "A Hallmark", "Stamp", 5},
     }},
     .FinalClue = "Reject Scornfully:",
     .FinalAnswer = "Spurn"},
    // 8
    {.Items = {{
         {"A Roof Tile", "An Office Signboard", "Shingle", 5},
         {"To Shred, as Cheese", "A Drain Cover", "Grate", 5},
         {"To Climb", "A Map Ratio", "Scale", 3},
         {"A Heart or Lung", "A Party Newspaper", "Organ", 2},
         {"Average", "To Intend", "Mean", 2},
     }},
     .FinalClue = "Champing at the Bit:",
     .FinalAnswer = "Eager"},
    // 9
    {.Items = {{
         {"Sort", "Goods, Not Cash", "Kind", 4},
         {"A Bout", "A Potential Spouse", "Match", 3},
         {"A School Head", "The Sum Borrowed", "Principal", 3},
         {"Conscription", "A Rough Version", "Draft", 2},
         {"Din", "A Tennis Implement", "Racket", 2},
     }},
     .FinalClue = "Three-Note Chord :",
     .FinalAnswer = "Triad"},
    // 10
    {.Items = {{
         {"Powdery", "A Penalty", "Fine", 2},
         {"To Go Under", "A Metal Caster", "Founder", 7},
         {"A Crib", "A Phone Rest", "Cradle", 4},
         {"A Pickle", "To Improvise", "Jam", 2},
         {"To Flee", "A Roll of Cloth", "Bolt", 1},
     }},
     .FinalClue = "Like a Mad Dog:",
     .FinalAnswer = "Rabid"},
    // 11
    {.Items = {{
         {"A Derrick", "To Stretch the Neck", "Crane", 2},
         {"A Chorus", "To Abstain", "Refrain", 3},
         {"An Excerpt", "A Sea Voyage", "Passage", 6},
         {"To Coil", "Breath", "Wind", 2},
         {"To Aim", "The Tail of a Gown", "Train", 1},
     }},
     .FinalClue = "Petty Swindling:",
     .FinalAnswer = "Grift"},
    // 12
    {.Items = {{
         {"A Ship's Kitchen", "A Printer's Proof", "Galley", 6},
         {"A Cloak", "A Headland", "Cape", 2},
         {"Rote Practice", "A Power Tool", "Drill", 1},
         {"An Acrobat", "A Lock Part", "Tumbler", 4},
         {"A Derby", "A Tenpin Player", "Bowler", 3},
     }},
     .FinalClue = "Ribald:",
     .FinalAnswer = "Bawdy"},
    // 13
    {.Items = {{
         {"An Answer", "Saline, for One", "Solution", 7},
         {"A Sovereign", "A Straightedge", "Ruler", 5},
         {"Browned Bread", "A Drinking Salute", "Toast", 5},
         {"A Sheer Cliff", "Bluntly Outspoken", "Bluff", 1},
         {"A Trapdoor", "To Concoct", "Hatch", 5},
     }},
     .FinalClue = "Pulsate:",
     .FinalAnswer = "Throb"},
    // 14
    {.Items = {{
         {"To Beat Severely", "To Moisten at Intervals", "Baste", 5},
         {"A Disreputable Bar", "Plunge Into Water", "Dive", 2},
         {"A Long Piece of Timber Used for Construction", "A Ray of Light", "Beam", 1},
         {"To Implant Surgically", "Illegal Gain", "Graft", 2},
         {"Placed Across Something Else", "To Oppose Successfully", "Thwart", 6},
     }},
     .FinalClue = "A Unit of Sociopolitical Organization :",
     .FinalAnswer = "Tribe"},
    // 15
    {.Items = {{
         {"A Hex", "To Relieve on Duty", "Spell", 1},
         {"A Gift", "In Attendance", "Present", 2},
         {"A Theatrical Flop", "A Gobbler", "Turkey", 1},
         {"A Sideboard", "To Batter", "Buffet", 3},
         {"An Arrow Case", "To Tremble", "Quiver", 3},
     }},
     .FinalClue = "Earliest:",
     .FinalAnswer = "First"},
    // 16
    {.Items = {{
         {"Renown", "A Musical Tone", "Note", 3},
         {"A Bloodsucker", "A Mattress Casing", "Tick", 2},
         {"A Stadium", "To Leave Temporarily", "Park", 3},
         {"An Addendum", "An Intestinal Pouch", "Appendix", 3},
         {"Specific", "Sidewalk Material", "Concrete", 3},
     }},
     .FinalClue = "Patterned Fabric:",
     .FinalAnswer = "Print"},
    // 17
    {.Items = {{
         {"A Planted Spy", "A Breakwater", "Mole", 3},
         {"Up-to-Date", "A Flow", "Current", 3},
         {"To Chat", "The Opposite", "Converse", 2},
         {"Caliber", "A Tedious Person", "Bore", 4},
         {"An Arched Ceiling", "To Hurdle", "Vault", 1},
     }},
     .FinalClue = "Paramour:",
     .FinalAnswer = "Lover"},
    // 18
    {.Items = {{
         {"A Gourd", "To Crush", "Squash", 6},
         {"A Barrage", "To Greet", "Hail", 2},
         {"Sore", "A Coal Car", "Tender", 6},
         {"A Leaf", "A Young Attendant", "Page", 3},
         {"A Police Log", "An Ink Absorber", "Blotter", 4},
     }},
     .FinalClue = "Cloister Yard, or Singer Brooks:",
     .FinalAnswer = "Garth"},
    // 19
    {.Items = {{
         {"Void", "A Shut-In", "Invalid", 5},
         {"To Pasture", "To Brush Past", "Graze", 4},
         {"Pale", "Low-Calorie", "Light", 2},
         {"To Adhere", "To Pierce", "Stick", 2},
         {"Twelve Dozen", "Flagrant", "Gross", 1},
     }},
     .FinalClue = "Flashy Glamour:",
     .FinalAnswer = "Glitz"},
    // 20
    {.Items = {{
         {"A Student", "The Eye's Aperture", "Pupil", 5},
         {"A Test Episode", "An Aviator", "Pilot", 2},
         {"A Wall Coating", "To Cover Thickly", "Plaster", 2},
         {"Morale", "To Whisk Away", "Spirit", 4},
         {"A Stove", "Scope", "Range", 4},
     }},
     .FinalClue = "To Interrogate:",
     .FinalAnswer = "Grill"},
    // 21
    {.Items = {{
         {"To Tutor", "Economy Class", "Coach", 2},
         {"Quicksilver", "The Innermost Planet", "Mercury", 2},
         {"An Aquarium", "An Armored Vehicle", "Tank", 3},
         {"A Cask", "To Race Along", "Barrel", 3},
         {"To Condemn", "A Grammatical Unit", "Sentence", 4},
     }},
     .FinalClue = "General Drift:",
     .FinalAnswer = "Tenor"},
    // 22
    {.Items = {{
         {"A Fib", "A Floor", "Story", 4},
         {"A Game Fish", "Low-Pitched", "Bass", 2},
         {"Glum", "Fine Fluff", "Down", 2},
         {"Aloof", "The Sniffles", "Cold", 4},
         {"A Synopsis", "Theoretical", "Abstract", 2},
     }},
     .FinalClue = "Company Directors:",
     .FinalAnswer = "Board"},
    // 23
    {.Items = {{
         {"A Sentry's Station", "To Mail", "Post", 2},
         {"A Caress", "A Swimming Style", "Stroke", 5},
         {"A Lender", "A River's Edge", "Bank", 1},
         {"A Cudgel", "A Society", "Club", 2},
         {"A Maestro", "A Ticket Taker", "Conductor", 6},
     }},
     .FinalClue = "Area Between Streets :",
     .FinalAnswer = "Block"},
    // 24
    {.Items = {{
         {"A Timid Soul", "A Cursor Mover", "Mouse", 2},
         {"Only", "A Flatfish", "Sole", 3},
         {"To Worsen", "A Chemical Combination", "Compound", 4},
         {"To Hock", "A Lowly Chessman", "Pawn", 3},
         {"Reckless", "A Skin Outbreak", "Rash", 1},
     }},
     .FinalClue = "Roam Stealthily:",
     .FinalAnswer = "Prowl"},
    // 25
    {.Items = {{
         {"To Wash for Gold", "To Swing, as a Camera", "Pan", 3},
         {"An Income Group", "A Shelf Support", "Bracket", 5},
         {"Dapper", "A Conifer", "Spruce", 5},
         {"A Portal", "To Enrapture", "Entrance", 5},
         {"To Woo", "A Tribunal", "Court", 4},
     }},
     .FinalClue = "Grouch:",
     .FinalAnswer = "Crank"},
    // 26
    {.Items = {{
         {"To Navigate", "A Bullock", "Steer", 2},
         {"A Shrine", "An Eyeglass Arm", "Temple", 6},
         {"To Burden", "A Rider's Seat", "Saddle", 3},
         {"A Clasp", "To Crumple", "Buckle", 1},
         {"To Nurse, as a Grudge", "A Haven", "Harbor", 2},
     }},
     .FinalClue = "Held, as Breath:",
     .FinalAnswer = "Bated"},
    // 27
    {.Items = {{
         {"To Iron", "Reporters", "Press", 4},
         {"Curiosity", "The Cost of Borrowing", "Interest", 3},
         {"An Accusation", "A Ward", "Charge", 4},
         {"An Instant", "A Duelist's Aide", "Second", 3},
         {"An Equal", "To Look Intently", "Peer", 2},
     }},
     .FinalClue = "Helmet Plume:",
     .FinalAnswer = "Crest"},
    // 28
    {.Items = {{
         {"Approval", "An Embargo", "Sanction", 8},
         {"A Wharf", "To Bob, as a Tail", "Dock", 1},
         {"A Staff", "Either End of a Magnet", "Pole", 3},
         {"Steady", "A Set of Racehorses", "Stable", 4},
         {"A Stretcher", "Cat-Box Filler", "Litter", 5},
     }},
     .FinalClue = "Mixture:",
     .FinalAnswer = "Blend"},
    // 29
    {.Items = {{
         {"A Savant", "A Stuffing Herb", "Sage", 4},
         {"A Riding Whip", "A Harvest", "Crop", 2},
         {"A Rhombus", "The Infield", "Diamond", 7},
         {"Meager", "To Tilt", "Lean", 2},
         {"A Waterfall", "A Clouded Lens", "Cataract", 7},
     }},
     .FinalClue = "Articles of Faith:",
     .FinalAnswer = "Creed"},
    // 30
    {.Items = {{
         {"A Treasure Trove", "A Hidden Explosive", "Mine", 4},
         {"To Nab", "A Neckband", "Collar", 3},
         {"No Longer Fizzy", "A Punctured Tire", "Flat", 1},
         {"To Deplete", "Engine Fumes", "Exhaust", 4},
         {"A Tag", "A Record Company", "Label", 3},
     }},
     .FinalClue = "Moral Tale:",
     .FinalAnswer = "Fable"},
    // 31
    {.Items = {{
         {"Cargo Space", "To Deem", "Hold", 2},
         {"A Preview", "A Mobile Home", "Trailer", 7},
         {"A Sheep's Coat", "To Overcharge", "Fleece", 3},
         {"A Brass Horn", "An Elephant's Call", "Trumpet", 7},
         {"To Gulp", "A Fork-Tailed Bird", "Swallow", 7},
     }},
     .FinalClue = "Loom Over:",
     .FinalAnswer = "Tower"},
    // 32
    {.Items = {{
         {"A Fruit Stone", "To Set Against", "Pit", 2},
         {"To Delay", "A Shower Booth", "Stall", 2},
         {"Finesse", "To Buff", "Polish", 6},
         {"A Hobo", "To Trudge", "Tramp", 3},
         {"To Wiretap", "A Glitch", "Bug", 1},
     }},
     .FinalClue = "Nun's Garb:",
     .FinalAnswer = "Habit"},
    // 33
    {.Items = {{
         {"Obliged", "A Limit", "Bound", 4},
         {"A Spree", "To Rip", "Tear", 1},
         {"To Falsify", "A Physician", "Doctor", 2},
         {"To Impede", "A Laundry Basket", "Hamper", 3},
         {"Oomph", "A Party Drink", "Punch", 2},
     }},
     .FinalClue = "Gem Setting:",
     .FinalAnswer = "Mount"},
    // 34
    {.Items = {{
         {"Genial", "A Liqueur", "Cordial", 4},
         {"A Cogwheel", "Equipment", "Gear", 2},
         {"Forbearing", "A Medical Case", "Patient", 2},
         {"A Shoe Mender", "A Deep-Dish Pie", "Cobbler", 3},
         {"A Finger or Toe", "A Numeral", "Digit", 3},
     }},
     .FinalClue = "Police Shield:",
     .FinalAnswer = "Badge"},
    // 35
    {.Items = {{
         {"A Thrill", "A Marsh Plant", "Rush", 2},
         {"To Excuse", "A Scenic View", "Overlook", 3},
         {"A High-Backed Bench", "To Colonize", "Settle", 5},
         {"Body Art", "A Rapid Drumming", "Tattoo", 3},
         {"A Rasp", "A Dossier", "File", 1},
     }},
     .FinalClue = "Champagne Glass:",
     .FinalAnswer = "Flute"},
    // 36
    {.Items = {{
         {"A Tangle", "A Unit of Speed at Sea", "Knot", 4},
         {"A Laborer", "Applause", "Hand", 3},
         {"Prey", "To Excavate", "Quarry", 4},
         {"A Banister", "A Wading Bird", "Rail", 2},
         {"A Ravine", "To Overeat", "Gorge", 4},
     }},
     .FinalClue = "Admit, for Argument's Sake:",
     .FinalAnswer = "Grant"},
    // 37
    {.Items = {{
         {"A Fruit Pastry", "A Lost Possession", "Turnover", 4},
         {"To Molt", "A Hut", "Shed", 3},
         {"To Bind", "An Eyelid Hair", "Lash", 2},
         {"Billiards", "A Shared Fund", "Pool", 4},
         {"Mist", "A Floral Sprig", "Spray", 2},
     }},
     .FinalClue = "Level Surface :",
     .FinalAnswer = "Plane"},
    // 38
    {.Items = {{
         {"Taut", "Past or Future, in Grammar", "Tense", 5},
         {"A Team Shirt", "A Dairy Breed", "Jersey", 2},
         {"Nevertheless", "Moonshine Equipment", "Still", 4},
         {"A Spurt", "A Black Mineral", "Jet", 3},
         {"Affluent", "A Poker Hand", "Flush", 1},
     }},
     .FinalClue = "Swift-Footed:",
     .FinalAnswer = "Fleet"},
    // 39
    {.Items = {{
         {"Hoarse", "Burly", "Husky", 2},
         {"A Songbird", "A Mouth Infection", "Thrush", 6},
         {"A Strapless Purse", "To Grasp", "Clutch", 2},
         {"A Strongbox", "Not Out, as a Runner", "Safe", 1},
         {"A Foyer", "A Pressure Group", "Lobby", 3},
     }},
     .FinalClue = "Cheek Rouge:",
     .FinalAnswer = "Blush"},
    // 40
    {.Items = {{
         {"The Remainder", "A Musical Silence", "Rest", 2},
         {"An Arrest", "A Sculpted Head", "Bust", 3},
         {"An Epistle", "A Varsity Award", "Letter", 3},
         {"A Lineman", "To Undertake", "Tackle", 5},
         {"A Basic Commodity", "A Wire Fastener", "Staple", 3},
     }},
     .FinalClue = "List of Candidates:",
     .FinalAnswer = "Slate"},
    // 41
    {.Items = {{
         {"Broth", "Hackneyed, as a Reply", "Stock", 3},
         {"Beloved", "Pricey", "Dear", 4},
         {"Delicate Linen", "Mowed Grass", "Lawn", 3},
         {"A Span", "The Top of the Nose", "Bridge", 4},
         {"A Restaurant Tab", "A Chess Threat", "Check", 4},
     }},
     .FinalClue = "Throng:",
     .FinalAnswer = "Crowd"},
    // 42
    {.Items = {{
         {"To Henpeck", "An Old Horse", "Nag", 2},
         {"A Type of Ray", "To Glide on Ice", "Skate", 2},
         {"A Prison Room", "A Spreadsheet Box", "Cell", 3},
         {"Sightless", "A Hunter's Hide", "Blind", 1},
         {"A Firework", "To Soar", "Rocket", 3},
     }},
     .FinalClue = "Served Without Cream:",
     .FinalAnswer = "Black"},
    // 43
    {.Items = {{
         {"To Ransack", "A Long Gun", "Rifle", 5},
         {"To Spice", "To Dry, as Lumber", "Season", 2},
         {"A Globule", "To Omit", "Drop", 1},
         {"A Redbird", "Of Chief Importance", "Cardinal", 3},
         {"An Affectation", "To Put, as a Question", "Pose", 2},
     }},
     .FinalClue = "Wear Down Slowly:",
     .FinalAnswer = "Erode"},
    // 44
    {.Items = {{
         {"A Vein or Artery", "A Ship", "Vessel", 2},
         {"A Qualm", "An Apothecary's Weight", "Scruple", 2},
         {"To Raise", "The Rump", "Rear", 3},
         {"A Wager", "A Picket", "Stake", 2},
         {"A Grinding Bowl", "A Brick Binder", "Mortar", 3},
     }},
     .FinalClue = "Vestige:",
     .FinalAnswer = "Trace"},
    // 45
    {.Items = {{
         {"A Cupboard", "An Advisory Council", "Cabinet", 2},
         {"To Strand", "Brownish Red", "Maroon", 3},
         {"To Shelve", "A Grid of Data", "Table", 1},
         {"A Small Car", "A Powder Case", "Compact", 6},
         {"A Race Rider", "To Maneuver", "Jockey", 4},
     }},
     .FinalClue = "Album Cut:",
     .FinalAnswer = "Track"},
    // 46
    {.Items = {{
         {"To Droop", "A Pennant", "Flag", 3},
         {"Composure", "To Tone Down", "Temper", 6},
         {"A Dealer in Stolen Goods", "To Fight with Foils", "Fence", 4},
         {"A Conundrum", "A Coarse Sieve", "Riddle", 6},
         {"The Seaboard", "To Freewheel", "Coast", 5},
     }},
     .FinalClue = "Slatted Box :",
     .FinalAnswer = "Crate"},
    // 47
    {.Items = {{
         {"To Jolt", "A Crock", "Jar", 2},
         {"To Dismiss", "A Burlap Bag", "Sack", 4},
         {"To Botch", "A Laundry Press", "Mangle", 3},
         {"The Thorax", "A Trunk", "Chest", 4},
         {"To Cancel", "Underbrush", "Scrub", 2},
     }},
     .FinalClue = "Quick Bite:",
     .FinalAnswer = "Snack"},
    // 48
    {.Items = {{
         {"Fortified Wine", "A Ship's Left", "Port", 2},
         {"Garbage", "To Decline", "Refuse", 5},
         {"A Sea Inlet", "Deep, as Sleep", "Sound", 4},
         {"A Stalk", "A Prow", "Stem", 2},
         {"A Carapace", "To Bombard", "Shell", 3},
     }},
     .FinalClue = "Pebble:",
     .FinalAnswer = "Stone"},
    // 49
    {.Items = {{
         {"Fervor", "To Bake, as Clay", "Fire", 2},
         {"An Entitlement", "To Redress", "Right", 5},
         {"Majestic", "The Eighth Month", "August", 5},
         {"A Petticoat", "A Cutting for Planting", "Slip", 4},
         {"A Semester", "An Expression", "Term", 3},
     }},
     .FinalClue = "Runway:",
     .FinalAnswer = "Strip"},
    // 50
    {.Items = {{
         {"A Stopper", "To Publicize", "Plug", 3},
         {"Strict", "The Aft End", "Stern", 4},
         {"Iamb or Dactyl", "Twelve Inches", "Foot", 4},
         {"A Furlough", "To Bequeath", "Leave", 5},
         {"An Origin", "To Dig with the Snout", "Root", 2},
     }},
     .FinalClue = "Itinerary:",
     .FinalAnswer = "Route"},
}};

} // namespace basPuzzles
