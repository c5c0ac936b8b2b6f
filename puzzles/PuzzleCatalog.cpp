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
         {"A Place of Burial", "Serious and Solemn", "Grave", 5},
         {"A Large Heavy Animal with Shaggy Fur", "To Tolerate", "Bear", 3},
         {"Seldom Found", "Lightly Cooked, as a Steak", "Rare", 4},
         {"Just and Impartial", "An Outdoor Show with Rides and Games", "Fair", 4},
         {"An Official List of Names", "The Range of a Singer's Voice", "Register", 3},
     }},
     .FinalClue = "Keenly Wanting to Do or Have Something:",
     .FinalAnswer = "Eager"},
    // 4
    {.Items = {{
         {"To Guide the Way", "A Soft Heavy Gray Metal", "Lead", 4},
         {"A Small Broken Piece", "A Tiny Electronic Circuit", "Chip", 1},
         {"A Place Where Coins are Made", "An Herb with a Fresh Cool Taste", "Mint", 2},
         {"To Comfort in Time of Grief", "A Panel of Controls and Switches", "Console", 6},
         {"A Person in a Story or Play", "A Letter, Digit or Other Written Symbol", "Character", 2},
     }},
     .FinalClue = "A Young Boy or Girl:",
     .FinalAnswer = "Child"},
    // 5
    {.Items = {{
         {"A Sea Mammal with Flippers", "To Close Tightly", "Seal", 3},
         {"A Device for Moving Air", "An Enthusiastic Supporter", "Fan", 3},
         {"The Beak of a Bird", "A Statement of Money Owed", "Bill", 1},
         {"The Main Covered Seating at a Sports Ground", "To Show Off to Win Applause", "Grandstand", 6},
         {"A Unit of Length of Three Feet", "The Ground Around a House", "Yard", 3},
     }},
     .FinalClue = "Farm Buildings for Hay and Livestock:",
     .FinalAnswer = "Barns"},
    // 6
    {.Items = {{
         {"The Inner Surface of the Hand", "A Tropical Tree with Large Fronds", "Palm", 2},
         {"The Season After Winter", "A Coiled Piece of Metal", "Spring", 1},
         {"A Deep Hole Dug for Water", "In Good Health", "Well", 2},
         {"A Long Flat Surface in a Shop", "To Answer with an Opposing Move", "Counter", 4},
         {"The Outer Covering of a Tree", "The Sharp Cry of a Dog", "Bark", 3},
     }},
     .FinalClue = "A Trap for Catching Small Animals:",
     .FinalAnswer = "Snare"},
    // 7
    {.Items = {{
         {"A Swimming Bird with a Flat Bill", "To Lower the Head Quickly", "Duck", 2},
         {"A Basin with a Drain", "To Go Under the Surface", "Sink", 3},
         {"A Large Mass of Stone", "To Sway Gently Back and Forth", "Rock", 1},
         {"The Details of Where Someone Lives", "A Formal Speech to an Audience", "Address", 6},
         {"A Postage Label", "To Bring the Foot Down Hard", "Stamp", 5},
     }},
     .FinalClue = "To Reject with Contempt:",
     .FinalAnswer = "Spurn"},
    // 8
    {.Items = {{
         {"A Thin Tile for Covering a Roof", "Rounded Pebbles on a Beach", "Shingle", 5},
         {"A Metal Frame in a Fireplace", "To Shred Into Small Pieces", "Grate", 5},
         {"A Device for Weighing", "One of the Small Plates on a Fish", "Scale", 3},
         {"A Keyboard Instrument with Pipes", "A Body Part Such as the Heart or Liver", "Organ", 2},
         {"Unkind and Spiteful", "The Average of a Set of Numbers", "Mean", 2},
     }},
     .FinalClue = "Full of Impatient Desire:",
     .FinalAnswer = "Eager"},
    // 9
    {.Items = {{
         {"Caring and Gentle", "A Sort or Type", "Kind", 4},
         {"A Small Stick for Lighting a Fire", "A Sporting Contest", "Match", 3},
         {"The Head of a School", "The Original Sum of a Loan", "Principal", 3},
         {"A Current of Cold Air", "An Early Version of a Piece of Writing", "Draft", 2},
         {"A Loud Noise", "A Strung Frame Used in Tennis", "Racket", 2},
     }},
     .FinalClue = "A Group of Three :",
     .FinalAnswer = "Triad"},
    // 10
    {.Items = {{
         {"Of High Quality", "A Penalty Paid in Money", "Fine", 2},
         {"A Person Who Sets Up an Organization", "To Fill with Water and Sink", "Founder", 7},
         {"A Short Oar with a Broad Blade", "To Wade in Shallow Water", "Paddle", 3},
         {"A Sweet Fruit Spread", "A Line of Stalled Traffic", "Jam", 2},
         {"A Flash of Lightning", "A Threaded Metal Fastener", "Bolt", 1},
     }},
     .FinalClue = "Fanatical in Support of a Cause:",
     .FinalAnswer = "Rabid"},
    // 11
    {.Items = {{
         {"A Tall Wading Bird", "A Machine for Lifting Heavy Loads", "Crane", 2},
         {"To Hold Back from Doing Something", "A Line Repeated in a Song", "Refrain", 3},
         {"A Narrow Corridor", "A Short Section of a Text or Piece of Music", "Passage", 6},
         {"Moving Air", "To Coil Around Something", "Wind", 2},
         {"A Line of Railway Cars", "To Teach a Skill", "Train", 1},
     }},
     .FinalClue = "To Obtain Money by Petty Swindling:",
     .FinalAnswer = "Grift"},
    // 12
    {.Items = {{
         {"A Device that Stores Electric Power", "An Unlawful Physical Attack", "Battery", 7},
         {"A Sleeveless Cloak", "A Point of Land Jutting Into the Sea", "Cape", 2},
         {"A Tool for Boring Holes", "A Practice Exercise", "Drill", 1},
         {"A Topic Under Discussion", "A Person Ruled by a Monarch", "Subject", 3},
         {"A Hard Round Felt Hat", "A Player Who Delivers the Ball in Cricket", "Bowler", 3},
     }},
     .FinalClue = "Humorously Indecent:",
     .FinalAnswer = "Bawdy"},
    // 13
    {.Items = {{
         {"The Answer to a Problem", "A Liquid with Something Dissolved in It", "Solution", 7},
         {"A Straight Strip for Measuring", "A King or Queen", "Ruler", 5},
         {"Browned Sliced Bread", "A Drink in Honor of Someone", "Toast", 5},
         {"To Deceive by Pretending", "A Steep Cliff", "Bluff", 1},
         {"A Trapdoor in a Floor or Deck", "To Break Out of an Egg", "Hatch", 5},
     }},
     .FinalClue = "To Beat with a Strong Rhythm:",
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
         {"To Name the Letters of a Word", "A Magic Charm", "Spell", 1},
         {"A Gift", "Existing Now", "Present", 2},
         {"A Ball of Burning Gas in the Sky", "A Famous Performer", "Star", 2},
         {"A Meal Where Guests Serve Themselves", "To Batter Repeatedly, as Wind or Waves", "Buffet", 3},
         {"A Jug for Pouring", "The Player Who Throws the Ball in Baseball", "Pitcher", 2},
     }},
     .FinalClue = "Coming Before All Others:",
     .FinalAnswer = "First"},
    // 16
    {.Items = {{
         {"A Short Written Message", "A Single Musical Sound", "Note", 3},
         {"A Small Biting Parasite", "The Sound of a Clock", "Tick", 2},
         {"A Public Garden", "To Stop and Leave a Vehicle", "Park", 3},
         {"A Small Pouch Attached to the Bowel", "Extra Material at the End of a Book", "Appendix", 3},
         {"A Building Material of Cement and Gravel", "Real and Definite, Not Imaginary", "Concrete", 3},
     }},
     .FinalClue = "To Produce Text or Pictures on Paper:",
     .FinalAnswer = "Print"},
    // 17
    {.Items = {{
         {"A Small Burrowing Animal", "A Dark Spot on the Skin", "Mole", 3},
         {"Belonging to the Present Time", "A Flow of Water or Electricity", "Current", 3},
         {"To Talk Informally", "The Reverse of a Statement or Fact", "Converse", 2},
         {"To Make a Deep Hole", "A Dull Person", "Bore", 4},
         {"A Secure Room for Valuables", "To Leap Over", "Vault", 1},
     }},
     .FinalClue = "A Sweetheart or Romantic Partner:",
     .FinalAnswer = "Lover"},
    // 18
    {.Items = {{
         {"A Vegetable Like a Pumpkin", "To Crush Flat", "Squash", 6},
         {"Pellets of Ice Falling from the Sky", "To Signal a Taxi", "Hail", 2},
         {"Painful When Touched", "To Offer Formally", "Tender", 6},
         {"A Sheet of Paper in a Book", "A Young Attendant at a Royal Court", "Page", 3},
         {"A Binding Legal Agreement", "To Shrink or Draw Together", "Contract", 8},
     }},
     .FinalClue = "An Enclosed Yard or Garden:",
     .FinalAnswer = "Garth"},
    // 19
    {.Items = {{
         {"Not Legally Acceptable", "A Person Weakened by Long Illness", "Invalid", 5},
         {"To Feed on Growing Grass", "A Slight Scrape on the Skin", "Graze", 4},
         {"Not Heavy", "Brightness from the Sun or a Lamp", "Light", 2},
         {"A Thin Piece of Wood", "To Fasten with Glue", "Stick", 2},
         {"Disgusting", "Total Before Deductions", "Gross", 1},
     }},
     .FinalClue = "Showy, Extravagant Glamour:",
     .FinalAnswer = "Glitz"},
    // 20
    {.Items = {{
         {"A Student", "The Dark Center of the Eye", "Pupil", 5},
         {"A Building for Arriving and Departing Travelers", "Ending in Death, as an Illness", "Terminal", 5},
         {"A Paste that Hardens on Walls", "A Small Sticky Bandage", "Plaster", 2},
         {"A Ghost", "Strong Distilled Alcohol", "Spirit", 4},
         {"A Chain of Mountains", "A Kitchen Stove", "Range", 4},
     }},
     .FinalClue = "To Cook on a Rack Over Direct Heat:",
     .FinalAnswer = "Grill"},
    // 21
    {.Items = {{
         {"A Sports Trainer", "A Large Bus for Long Trips", "Coach", 2},
         {"A Liquid Silver Metal", "The Planet Nearest the Sun", "Mercury", 2},
         {"A Large Container for Liquid", "An Armored Military Vehicle", "Tank", 3},
         {"A Vinyl Music Disc", "The Best Result Ever Achieved", "Record", 5},
         {"A Group of Words Expressing a Thought", "A Punishment Given by a Judge", "Sentence", 4},
     }},
     .FinalClue = "A High Adult Male Singing Voice:",
     .FinalAnswer = "Tenor"},
    // 22
    {.Items = {{
         {"A Tale Told or Written", "A Floor of a Building", "Story", 4},
         {"A Freshwater Fish", "The Lowest Male Singing Voice", "Bass", 2},
         {"Toward a Lower Place", "Soft Fine Feathers", "Down", 2},
         {"Low in Temperature", "A Minor Illness of the Nose and Throat", "Cold", 4},
         {"A Short Summary of an Article", "Existing Only as an Idea", "Abstract", 2},
     }},
     .FinalClue = "A Long Flat Piece of Sawn Timber:",
     .FinalAnswer = "Board"},
    // 23
    {.Items = {{
         {"To Send by Mail", "A Job or Position", "Post", 2},
         {"A Sudden Loss of Blood Flow to the Brain", "To Pass the Hand Gently Over", "Stroke", 5},
         {"A Place for Keeping Money Safe", "The Side of a River", "Bank", 1},
         {"A Heavy Stick Used as a Weapon", "An Association for a Shared Interest", "Club", 2},
         {"The Leader of an Orchestra", "A Material that Lets Electricity Pass", "Conductor", 6},
     }},
     .FinalClue = "A Solid Piece of Hard Material :",
     .FinalAnswer = "Block"},
    // 24
    {.Items = {{
         {"A Small Rodent", "A Pointing Device for a Computer", "Mouse", 2},
         {"The Underside of a Shoe", "Being the Only One", "Sole", 3},
         {"An Enclosed Group of Buildings", "A Substance Made of Two or More Elements", "Compound", 4},
         {"A Chess Piece of Least Value", "To Leave as Security for a Loan", "Pawn", 3},
         {"Hasty and Reckless", "A Red Patch on the Skin", "Rash", 1},
     }},
     .FinalClue = "To Roam Stealthily in Search of Prey:",
     .FinalAnswer = "Prowl"},
    // 25
    {.Items = {{
         {"A Shallow Cooking Pot", "To Criticize Harshly", "Pan", 3},
         {"A Chirping Insect", "A Sport Played with a Bat and Wickets", "Cricket", 5},
         {"A Tall Evergreen with Short Needles", "Neat and Trim in Appearance", "Spruce", 5},
         {"A Door or Gate Leading Inside", "To Fill with Wonder and Delight", "Entrance", 5},
         {"A Place Where Trials are Held", "To Woo", "Court", 4},
     }},
     .FinalClue = "A Handle Turned to Work a Machine:",
     .FinalAnswer = "Crank"},
    // 26
    {.Items = {{
         {"To Guide a Vehicle", "A Castrated Bull Raised for Beef", "Steer", 2},
         {"A Building for Worship", "The Flat Side of the Head", "Temple", 6},
         {"A Tool for Digging", "A Black Suit in a Pack of Cards", "Spade", 4},
         {"A Clasp on a Belt", "To Bend Under Pressure", "Buckle", 1},
         {"A City Where a Government Sits", "Money Used to Start a Business", "Capital", 2},
     }},
     .FinalClue = "Restrained, as Breath in Suspense:",
     .FinalAnswer = "Bated"},
    // 27
    {.Items = {{
         {"To Push Firmly", "Newspapers and Their Reporters", "Press", 4},
         {"Money Paid for the Use of a Loan", "Curiosity About Something", "Interest", 3},
         {"To Rush Forward in Attack", "A Price Asked for a Service", "Charge", 4},
         {"A Brief Moment of Time", "Next After the First", "Second", 3},
         {"A Person of Equal Standing", "To Look Closely", "Peer", 2},
     }},
     .FinalClue = "The Top of a Hill or Wave:",
     .FinalAnswer = "Crest"},
    // 28
    {.Items = {{
         {"Official Permission or Approval", "A Penalty Imposed on a Country", "Sanction", 8},
         {"A Landing Pier for Ships", "To Deduct from Wages", "Dock", 1},
         {"A Long Slender Rod", "The North or South End of the Earth", "Pole", 3},
         {"Steady and Firm", "A Building Where Horses are Kept", "Stable", 4},
         {"Scattered Rubbish", "A Group of Newborn Animals", "Litter", 5},
     }},
     .FinalClue = "To Mix Together Smoothly:",
     .FinalAnswer = "Blend"},
    // 29
    {.Items = {{
         {"A Wise Person", "A Fragrant Gray Herb", "Sage", 4},
         {"A Plant Grown for Harvest", "To Cut Short", "Crop", 2},
         {"A Simple Woodwind Played in Schools", "A Machine that Stores Sound", "Recorder", 6},
         {"To Rest Against Something", "Having Little Fat", "Lean", 2},
         {"A Planned Piece of Work", "To Stick Out Beyond an Edge", "Project", 6},
     }},
     .FinalClue = "A Statement of Religious Belief:",
     .FinalAnswer = "Creed"},
    // 30
    {.Items = {{
         {"A Tunnel Dug for Coal or Ore", "Belonging to Me", "Mine", 4},
         {"A Round Deep Dish", "To Roll a Ball Toward Pins", "Bowl", 4},
         {"Level and Even", "An Apartment", "Flat", 1},
         {"Waste Gases from an Engine", "To Tire Out Completely", "Exhaust", 4},
         {"Wood Sawn Into Planks", "To Move Heavily and Clumsily", "Lumber", 4},
     }},
     .FinalClue = "A Short Story with a Moral:",
     .FinalAnswer = "Fable"},
    // 31
    {.Items = {{
         {"To Grasp", "The Cargo Space of a Ship", "Hold", 2},
         {"A Vehicle Towed Behind a Car", "A Short Preview of a Film", "Trailer", 7},
         {"The Wool of a Sheep", "To Cheat Out of Money", "Fleece", 3},
         {"To Narrate in Detail", "A Second Tally of Votes", "Recount", 7},
         {"A Small Bird with a Forked Tail", "To Pass Food Down the Throat", "Swallow", 7},
     }},
     .FinalClue = "A Tall Narrow Building:",
     .FinalAnswer = "Tower"},
    // 32
    {.Items = {{
         {"A Hole in the Ground", "The Hard Seed of a Cherry", "Pit", 2},
         {"A Market Booth", "To Stop Running, as an Engine", "Stall", 2},
         {"To Make Shiny by Rubbing", "Of or from Poland", "Polish", 6},
         {"A Tin Container", "To Be Able", "Can", 2},
         {"A Small Insect", "An Error in Software", "Bug", 1},
     }},
     .FinalClue = "A Regular Practice Hard to Give Up:",
     .FinalAnswer = "Habit"},
    // 33
    {.Items = {{
         {"Heading for a Destination", "A Long or High Leap", "Bound", 4},
         {"A Drop from the Eye", "To Rip", "Tear", 1},
         {"To Add Up", "A European Nobleman", "Count", 2},
         {"A Picnic Basket", "To Hinder", "Hamper", 3},
         {"To Hit with a Fist", "A Fruity Drink", "Punch", 2},
     }},
     .FinalClue = "To Get Up on a Horse:",
     .FinalAnswer = "Mount"},
    // 34
    {.Items = {{
         {"Warm and Friendly", "A Fruit Syrup Diluted to Drink", "Cordial", 4},
         {"A Toothed Wheel", "Equipment for an Activity", "Gear", 2},
         {"Calm and Tolerant", "A Person Under Medical Care", "Patient", 2},
         {"A Mender of Shoes", "A Deep-Dish Fruit Dessert", "Cobbler", 3},
         {"A Finger or Toe", "Any Numeral from Zero to Nine", "Digit", 3},
     }},
     .FinalClue = "An Emblem Worn to Show Rank or Membership:",
     .FinalAnswer = "Badge"},
    // 35
    {.Items = {{
         {"To Hurry", "A Marsh Plant", "Rush", 2},
         {"To Fail to Notice", "To Give a View from Above", "Overlook", 3},
         {"A Wooden Bench with a High Back", "To Resolve a Dispute", "Settle", 5},
         {"A Design Inked Into the Skin", "A Military Display of Music and Marching", "Tattoo", 3},
         {"A Steel Tool for Smoothing", "A Folder of Documents", "File", 1},
     }},
     .FinalClue = "A Slender Woodwind Played Sideways:",
     .FinalAnswer = "Flute"},
    // 36
    {.Items = {{
         {"A Tied Loop in String", "A Unit of Speed for Ships", "Knot", 4},
         {"The End of the Arm", "A Farm Worker", "Hand", 3},
         {"An Open Pit for Cutting Stone", "An Animal Being Hunted", "Quarry", 4},
         {"A Fixed Bar Used as a Barrier or Support", "To Protest Angrily", "Rail", 2},
         {"A Narrow Valley", "To Eat Greedily", "Gorge", 4},
     }},
     .FinalClue = "A Sum of Money Given for a Purpose:",
     .FinalAnswer = "Grant"},
    // 37
    {.Items = {{
         {"A Fruit-Filled Pastry", "The Total Sales of a Business", "Turnover", 4},
         {"A Small Garden Hut", "To Let Fall, as Leaves or Hair", "Shed", 3},
         {"A Hair on the Eyelid", "To Strike with a Whip", "Lash", 2},
         {"A Place to Swim", "To Combine Resources", "Pool", 4},
         {"Liquid Flying in Fine Drops", "A Small Bunch of Flowers", "Spray", 2},
     }},
     .FinalClue = "A Perfectly Flat Surface :",
     .FinalAnswer = "Plane"},
    // 38
    {.Items = {{
         {"Stretched Tight", "The Time of a Verb", "Tense", 5},
         {"A Knitted Pullover", "A Breed of Dairy Cattle", "Jersey", 2},
         {"Not Moving", "Equipment for Making Whiskey", "Still", 4},
         {"A Hard Black Stone Used in Jewelry", "A Narrow Stream of Liquid or Gas", "Jet", 3},
         {"To Go Red in the Face", "Level with a Surface", "Flush", 1},
     }},
     .FinalClue = "A Group of Ships Under One Command:",
     .FinalAnswer = "Fleet"},
    // 39
    {.Items = {{
         {"A Sled Dog", "Deep and Hoarse, as a Voice", "Husky", 2},
         {"A Songbird with a Speckled Breast", "A Fungal Infection of the Mouth", "Thrush", 6},
         {"A Pedal that Disengages a Car's Engine", "A Set of Eggs Laid at One Time", "Clutch", 2},
         {"Free from Danger", "A Strong Locked Box", "Safe", 1},
         {"An Entrance Hall", "To Seek Political Influence", "Lobby", 3},
     }},
     .FinalClue = "To Redden with Embarrassment:",
     .FinalAnswer = "Blush"},
    // 40
    {.Items = {{
         {"A Pause to Relax", "The Remainder", "Rest", 2},
         {"To Succeed in a Test", "A Gap Through Mountains", "Pass", 3},
         {"A Written Message in an Envelope", "A Symbol of the Alphabet", "Letter", 3},
         {"Equipment for Fishing", "To Bring Down a Player", "Tackle", 5},
         {"A Wire Fastener for Paper", "A Basic Food Item", "Staple", 3},
     }},
     .FinalClue = "A Fine Gray Rock Used for Roofing:",
     .FinalAnswer = "Slate"},
    // 41
    {.Items = {{
         {"Goods Kept for Sale", "A Broth of Meat or Bones", "Stock", 3},
         {"Beloved", "Expensive", "Dear", 4},
         {"An Area of Short Mown Grass", "A Fine Linen Fabric", "Lawn", 3},
         {"A Structure Spanning a River", "A Card Game for Four Players", "Bridge", 4},
         {"To Examine for Accuracy", "A Bill in a Restaurant", "Check", 4},
     }},
     .FinalClue = "A Large Number of People Gathered:",
     .FinalAnswer = "Crowd"},
    // 42
    {.Items = {{
         {"To Pester", "An Old Horse", "Nag", 2},
         {"To Glide on Ice", "A Broad Flat Fish Like a Ray", "Skate", 2},
         {"A Small Room in a Prison", "The Basic Unit of Life", "Cell", 3},
         {"Unable to See", "A Window Shade", "Blind", 1},
         {"A Vehicle Launched Into Space", "A Peppery Salad Leaf", "Rocket", 3},
     }},
     .FinalClue = "The Darkest of All Colors:",
     .FinalAnswer = "Black"},
    // 43
    {.Items = {{
         {"A Long Gun", "To Search Through Hastily", "Rifle", 5},
         {"A Quarter of the Year", "To Add Flavor to Food", "Season", 2},
         {"A Small Bead of Liquid", "To Let Slip from the Hand", "Drop", 1},
         {"Fast and Direct", "To Put Into Words", "Express", 4},
         {"A Position Held for a Photo", "To Raise, as a Question", "Pose", 2},
     }},
     .FinalClue = "To Wear Away Gradually:",
     .FinalAnswer = "Erode"},
    // 44
    {.Items = {{
         {"A Ship or Boat", "A Tube Carrying Blood", "Vessel", 2},
         {"A Signal for an Actor", "A Tapered Rod for Billiards", "Cue", 1},
         {"The Back Part", "To Bring Up Young", "Rear", 3},
         {"A Wooden Marker Driven Into the Ground", "A Sum Risked in a Bet", "Stake", 2},
         {"The Paste that Binds Bricks Together", "A Short Cannon that Fires Shells", "Mortar", 3},
     }},
     .FinalClue = "A Faint Mark Left Behind:",
     .FinalAnswer = "Trace"},
    // 45
    {.Items = {{
         {"A Cupboard with Shelves", "A Group of Chief Ministers", "Cabinet", 2},
         {"A Dark Brownish-Red Color", "To Leave Stranded on an Island", "Maroon", 3},
         {"A Piece of Furniture with a Flat Top", "An Arrangement of Figures in Rows", "Table", 1},
         {"Small and Dense", "A Small Case for Face Powder", "Compact", 6},
         {"A Position in the Army", "Having a Foul Smell", "Rank", 4},
     }},
     .FinalClue = "A Rough Path or Trail:",
     .FinalAnswer = "Track"},
    // 46
    {.Items = {{
         {"A Cloth Banner", "To Lose Energy", "Flag", 3},
         {"A Tendency to Anger", "To Toughen Hardened Steel by Reheating", "Temper", 6},
         {"A Barrier Around a Field", "To Fight with Swords", "Fence", 4},
         {"A Puzzling Question", "To Pierce with Many Holes", "Riddle", 6},
         {"The Seashore", "To Move Without Power", "Coast", 5},
     }},
     .FinalClue = "A Wooden Box for Shipping :",
     .FinalAnswer = "Crate"},
    // 47
    {.Items = {{
         {"A Container for Pickles or Honey", "To Jolt", "Jar", 2},
         {"A Large Bag", "To Dismiss from a Job", "Sack", 4},
         {"To Mutilate by Hacking or Tearing", "A Wringer for Wet Laundry", "Mangle", 3},
         {"A Sturdy Container for Storage", "The Part of the Body Enclosed by the Ribs", "Chest", 4},
         {"To Rub Hard to Clean", "Low Stunted Bushes", "Scrub", 2},
     }},
     .FinalClue = "A Little Food Between Meals:",
     .FinalAnswer = "Snack"},
    // 48
    {.Items = {{
         {"A Harbor Town", "The Left Side of a Ship", "Port", 2},
         {"Rubbish", "To Decline", "Refuse", 5},
         {"A Noise", "Healthy and Strong", "Sound", 4},
         {"The Slender Stalk of a Plant", "To Stop a Flow", "Stem", 2},
         {"A Hard Outer Case", "An Explosive Fired by a Cannon", "Shell", 3},
     }},
     .FinalClue = "A Small Piece of Rock:",
     .FinalAnswer = "Stone"},
    // 49
    {.Items = {{
         {"Burning Flames", "To Shoot a Gun", "Fire", 2},
         {"Correct", "Opposite of Left", "Right", 5},
         {"Majestic and Dignified", "The Eighth Month of the Year", "August", 5},
         {"To Slide by Accident", "A Small Piece of Paper", "Slip", 4},
         {"A Word or Expression", "A Division of the School Year", "Term", 3},
     }},
     .FinalClue = "A Long Narrow Piece of Material:",
     .FinalAnswer = "Strip"},
    // 50
    {.Items = {{
         {"A Stopper for a Drain", "To Promote Publicly", "Plug", 3},
         {"Strict and Severe", "The Back of a Ship", "Stern", 4},
         {"Twelve Inches", "The Lowest Part of the Leg", "Foot", 4},
         {"To Go Away", "Permission to Be Absent", "Leave", 5},
         {"The Underground Part of a Plant", "To Cheer for a Team", "Root", 2},
     }},
     .FinalClue = "A Way Taken to Get Somewhere:",
     .FinalAnswer = "Route"},
}};

} // namespace basPuzzles
