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
         {"A Place of Burial", "Serious and Solemn", "Grave", 1},
         {"A Large Heavy Animal with Shaggy Fur", "To Tolerate", "Bear", 4},
         {"Seldom Found", "Lightly Cooked, as a Steak", "Rare", 4},
         {"Just and Impartial", "An Outdoor Show with Rides and Games", "Fair", 2},
         {"A Rubber Ring Around a Wheel", "To Grow Weary", "Tire", 4},
     }},
     .FinalClue = "Keenly Wanting to Do or Have Something:",
     .FinalAnswer = "Eager"},
    // 4
    {.Items = {{
         {"To Guide the Way", "A Soft Heavy Gray Metal", "Lead", 1},
         {"A Small Broken Piece", "A Tiny Electronic Circuit", "Chip", 1},
         {"A Place Where Coins are Made", "An Herb with a Fresh Cool Taste", "Mint", 2},
         {"To Keep Out of Sight", "The Skin of an Animal", "Hide", 1},
         {"A Particular Day of the Month", "The Sweet Fruit of a Palm", "Date", 1},
     }},
     .FinalClue = "A Young Boy or Girl:",
     .FinalAnswer = "Child"},
    // 5
    {.Items = {{
         {"A Sea Mammal with Flippers", "To Close Tightly", "Seal", 1},
         {"A Device for Moving Air", "An Enthusiastic Supporter", "Fan", 3},
         {"The Beak of a Bird", "A Statement of Money Owed", "Bill", 1},
         {"A Band Worn on a Finger", "To Sound a Bell", "Ring", 1},
         {"A Unit of Length of Three Feet", "The Ground Around a House", "Yard", 2},
     }},
     .FinalClue = "Farm Buildings for Hay and Livestock:",
     .FinalAnswer = "Barns"},
    // 6
    {.Items = {{
         {"The Inner Surface of the Hand", "A Tropical Tree with Large Fronds", "Palm", 2},
         {"The Season After Winter", "A Coiled Piece of Metal", "Spring", 1},
         {"A Deep Hole Dug for Water", "In Good Health", "Well", 2},
         {"A Mesh for Catching Fish", "Remaining After Deductions", "Net", 1},
         {"The Outer Covering of a Tree", "The Sharp Cry of a Dog", "Bark", 3},
     }},
     .FinalClue = "A Trap for Catching Small Animals:",
     .FinalAnswer = "Snare"},
    // 7
    {.Items = {{
         {"A Swimming Bird with a Flat Bill", "To Lower the Head Quickly", "Duck", 2},
         {"A Basin with a Drain", "To Go Under the Surface", "Sink", 3},
         {"A Large Mass of Stone", "To Sway Gently Back and Forth", "Rock", 1},
         {"A Sticky Black Substance Like Tar", "The Highness or Lowness of a Sound", "Pitch", 1},
         {"A Postage Label", "To Bring the Foot Down Hard", "Stamp", 1},
     }},
     .FinalClue = "To Reject with Contempt:",
     .FinalAnswer = "Spurn"},
    // 8
    {.Items = {{
         {"A Sweet for Chewing", "The Flesh Around the Teeth", "Gum", 1},
         {"A Metal Frame in a Fireplace", "To Shred Into Small Pieces", "Grate", 5},
         {"A Device for Weighing", "One of the Small Plates on a Fish", "Scale", 3},
         {"A Keyboard Instrument with Pipes", "A Body Part Such as the Heart or Liver", "Organ", 2},
         {"Unkind and Spiteful", "The Average of a Set of Numbers", "Mean", 2},
     }},
     .FinalClue = "Full of Impatient Desire:",
     .FinalAnswer = "Eager"},
    // 9
    {.Items = {{
         {"Caring and Gentle", "A Sort or Type", "Kind", 2},
         {"A Small Stick for Lighting a Fire", "A Sporting Contest", "Match", 2},
         {"The Pointed End of Something", "Money Given for Good Service", "Tip", 1},
         {"A Current of Cold Air", "An Early Version of a Piece of Writing", "Draft", 1},
         {"A Loud Noise", "A Strung Frame Used in Tennis", "Racket", 1},
     }},
     .FinalClue = "A Group of Three :",
     .FinalAnswer = "Triad"},
    // 10
    {.Items = {{
         {"Of High Quality", "A Penalty Paid in Money", "Fine", 2},
         {"A Line of Seats", "To Move a Boat with Oars", "Row", 1},
         {"The Floor of a Ship", "A Pack of Playing Cards", "Deck", 1},
         {"A Sweet Fruit Spread", "A Line of Stalled Traffic", "Jam", 2},
         {"A Flash of Lightning", "A Threaded Metal Fastener", "Bolt", 1},
     }},
     .FinalClue = "Infected with Rabies:",
     .FinalAnswer = "Rabid"},
    // 11
    {.Items = {{
         {"A Tall Wading Bird", "A Machine for Lifting Heavy Loads", "Crane", 2},
         {"To Travel Through the Air", "A Small Winged Insect", "Fly", 1},
         {"A Drinking Vessel", "A Clear Material Used in Windows", "Glass", 1},
         {"Moving Air", "To Coil Around Something", "Wind", 2},
         {"A Line of Railway Cars", "To Teach a Skill", "Train", 1},
     }},
     .FinalClue = "To Obtain Money by Petty Swindling:",
     .FinalAnswer = "Grift"},
    // 12
    {.Items = {{
         {"Thread for Knitting", "A Long Rambling Story", "Yarn", 1},
         {"A Sleeveless Cloak", "A Point of Land Jutting Into the Sea", "Cape", 2},
         {"A Tool for Boring Holes", "A Practice Exercise", "Drill", 1},
         {"A Cardboard Container", "To Fight with the Fists", "Box", 1},
         {"A Small Clock Worn on the Wrist", "To Look at Attentively", "Watch", 1},
     }},
     .FinalClue = "Humorously Indecent:",
     .FinalAnswer = "Bawdy"},
    // 13
    {.Items = {{
         {"A Long Slender Post", "The North or South End of the Earth", "Pole", 2},
         {"A Straight Strip for Measuring", "A King or Queen", "Ruler", 1},
         {"Browned Sliced Bread", "A Drink in Honor of Someone", "Toast", 5},
         {"To Deceive by Pretending", "A Steep Cliff", "Bluff", 1},
         {"A Trapdoor in a Floor or Deck", "To Break Out of an Egg", "Hatch", 1},
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
         {"To Tumble to the Ground", "The Season Before Winter", "Fall", 1},
         {"A Jug for Pouring", "The Player Who Throws the Ball in Baseball", "Pitcher", 2},
     }},
     .FinalClue = "Coming Before All Others:",
     .FinalAnswer = "First"},
    // 16
    {.Items = {{
         {"A Short Written Message", "A Single Musical Sound", "Note", 1},
         {"A Small Biting Parasite", "The Sound of a Clock", "Tick", 2},
         {"A Public Garden", "To Stop and Leave a Vehicle", "Park", 1},
         {"A Strip of Cloth Worn Around the Neck", "An Equal Score in a Game", "Tie", 1},
         {"A Thorny Flower", "Went Up", "Rose", 1},
     }},
     .FinalClue = "To Produce Text or Pictures on Paper:",
     .FinalAnswer = "Print"},
    // 17
    {.Items = {{
         {"A Small Burrowing Animal", "A Dark Spot on the Skin", "Mole", 2},
         {"Belonging to the Present Time", "A Flow of Water or Electricity", "Current", 3},
         {"The Top of the Thighs When Seated", "One Circuit of a Track", "Lap", 1},
         {"To Make a Deep Hole", "A Dull Person", "Bore", 4},
         {"A Secure Room for Valuables", "To Leap Over", "Vault", 1},
     }},
     .FinalClue = "A Person in Love with Another:",
     .FinalAnswer = "Lover"},
    // 18
    {.Items = {{
         {"A Vegetable Like a Pumpkin", "To Crush Flat", "Squash", 4},
         {"Pellets of Ice Falling from the Sky", "To Signal a Taxi", "Hail", 1},
         {"Gentle and Caring", "To Offer Formally", "Tender", 1},
         {"The Surface of the Earth", "Crushed Into Powder", "Ground", 1},
         {"The Main Woody Body of a Tree", "The Long Nose of an Elephant", "Trunk", 2},
     }},
     .FinalClue = "An Enclosed Yard or Garden:",
     .FinalAnswer = "Garth"},
    // 19
    {.Items = {{
         {"A Tall Evergreen Tree", "To Yearn Deeply", "Pine", 2},
         {"To Feed on Growing Grass", "A Slight Scrape on the Skin", "Graze", 4},
         {"Not Heavy", "Brightness from the Sun or a Lamp", "Light", 1},
         {"A Thin Piece of Wood", "To Fasten with Glue", "Stick", 2},
         {"Disgusting", "Total Before Deductions", "Gross", 1},
     }},
     .FinalClue = "Showy, Extravagant Glamour:",
     .FinalAnswer = "Glitz"},
    // 20
    {.Items = {{
         {"A Student", "The Dark Center of the Eye", "Pupil", 5},
         {"A Contest Played by Rules", "Wild Animals Hunted for Food", "Game", 1},
         {"Final in Order", "To Endure Over Time", "Last", 1},
         {"A Ghost", "Strong Distilled Alcohol", "Spirit", 3},
         {"A Chain of Mountains", "A Kitchen Stove", "Range", 1},
     }},
     .FinalClue = "To Cook on a Rack Over Direct Heat:",
     .FinalAnswer = "Grill"},
    // 21
    {.Items = {{
         {"A Sports Trainer", "A Large Bus for Long Trips", "Coach", 2},
         {"A Metal Pin Hammered Into Wood", "The Hard Covering on a Fingertip", "Nail", 1},
         {"A Large Container for Liquid", "An Armored Military Vehicle", "Tank", 1},
         {"A Vinyl Music Disc", "The Best Result Ever Achieved", "Record", 1},
         {"A Group of Words Expressing a Thought", "A Punishment Given by a Judge", "Sentence", 2},
     }},
     .FinalClue = "A High Adult Male Singing Voice:",
     .FinalAnswer = "Tenor"},
    // 22
    {.Items = {{
         {"A Tale Told or Written", "A Floor of a Building", "Story", 4},
         {"A Freshwater Fish", "The Lowest Male Singing Voice", "Bass", 2},
         {"Toward a Lower Place", "Soft Fine Feathers", "Down", 1},
         {"Low in Temperature", "A Minor Illness of the Nose and Throat", "Cold", 2},
         {"To Bend Forward in Respect", "A Weapon for Shooting Arrows", "Bow", 1},
     }},
     .FinalClue = "A Long Flat Piece of Sawn Timber:",
     .FinalAnswer = "Board"},
    // 23
    {.Items = {{
         {"A Stake Set Upright in the Ground", "A Job or Position", "Post", 2},
         {"A Young Goat", "To Joke or Tease", "Kid", 1},
         {"A Place for Keeping Money Safe", "The Side of a River", "Bank", 1},
         {"A Heavy Stick Used as a Weapon", "An Association for a Shared Interest", "Club", 1},
         {"A Fastener Opened by a Key", "A Curl of Hair", "Lock", 1},
     }},
     .FinalClue = "A Solid Piece of Hard Material :",
     .FinalAnswer = "Block"},
    // 24
    {.Items = {{
         {"A Small Rodent", "A Pointing Device for a Computer", "Mouse", 2},
         {"The Underside of a Shoe", "Being the Only One", "Sole", 3},
         {"A Unit of Weight", "To Strike Heavily Again and Again", "Pound", 1},
         {"A Moving Ridge of Water", "To Move the Hand in Greeting", "Wave", 1},
         {"Hasty and Reckless", "A Red Patch on the Skin", "Rash", 1},
     }},
     .FinalClue = "To Roam Stealthily in Search of Prey:",
     .FinalAnswer = "Prowl"},
    // 25
    {.Items = {{
         {"A Shallow Cooking Pot", "To Criticize Harshly", "Pan", 2},
         {"A Chirping Insect", "A Sport Played with a Bat and Wickets", "Cricket", 5},
         {"A Tall Evergreen with Short Needles", "Neat and Trim in Appearance", "Spruce", 3},
         {"A Long Work of Fiction", "New and Unusual", "Novel", 1},
         {"A Place Where Trials are Held", "To Woo", "Court", 1},
     }},
     .FinalClue = "A Handle Turned to Work a Machine:",
     .FinalAnswer = "Crank"},
    // 26
    {.Items = {{
         {"To Guide a Vehicle", "A Young Bull Raised for Beef", "Steer", 3},
         {"A Building for Worship", "The Flat Side of the Head", "Temple", 1},
         {"A Dry Sandy Region", "To Abandon", "Desert", 1},
         {"A Clasp on a Belt", "To Bend Under Pressure", "Buckle", 1},
         {"A City Where a Government Sits", "Money Used to Start a Business", "Capital", 2},
     }},
     .FinalClue = "Restrained, as Breath in Suspense:",
     .FinalAnswer = "Bated"},
    // 27
    {.Items = {{
         {"To Push Firmly", "Newspapers and Their Reporters", "Press", 2},
         {"A Faucet", "To Strike Lightly", "Tap", 1},
         {"To Rush Forward in Attack", "A Price Asked for a Service", "Charge", 1},
         {"A Brief Moment of Time", "Next After the First", "Second", 1},
         {"A Person of Equal Standing", "To Look Closely", "Peer", 2},
     }},
     .FinalClue = "The Top of a Hill or Wave:",
     .FinalAnswer = "Crest"},
    // 28
    {.Items = {{
         {"A Writing Tool", "An Enclosure for Animals", "Pen", 3},
         {"A Landing Pier for Ships", "To Deduct from Wages", "Dock", 1},
         {"Dropped to the Ground", "To Cut Down a Tree", "Fell", 2},
         {"A Heavy Shoe Covering the Ankle", "To Start Up a Computer", "Boot", 1},
         {"Scattered Rubbish", "A Group of Newborn Animals", "Litter", 1},
     }},
     .FinalClue = "To Mix Together Smoothly:",
     .FinalAnswer = "Blend"},
    // 29
    {.Items = {{
         {"A Wise Person", "A Fragrant Gray Herb", "Sage", 4},
         {"A Plant Grown for Harvest", "To Cut Short", "Crop", 1},
         {"To Run Quickly", "A Short Punctuation Line", "Dash", 1},
         {"To Rest Against Something", "Having Little Fat", "Lean", 2},
         {"A Spool for Fishing Line", "To Stagger", "Reel", 1},
     }},
     .FinalClue = "A Statement of Religious Belief:",
     .FinalAnswer = "Creed"},
    // 30
    {.Items = {{
         {"A Tunnel Dug for Coal or Ore", "Belonging to Me", "Mine", 4},
         {"A Round Deep Dish", "To Roll a Ball Toward Pins", "Bowl", 1},
         {"Level and Even", "An Apartment", "Flat", 1},
         {"A Large Amount of Matter", "A Catholic Church Service", "Mass", 2},
         {"A Section of a Felled Tree", "A Written Journal of a Voyage", "Log", 1},
     }},
     .FinalClue = "A Short Story with a Moral:",
     .FinalAnswer = "Fable"},
    // 31
    {.Items = {{
         {"To Grasp", "The Cargo Space of a Ship", "Hold", 2},
         {"A Small Round Loaf", "To Turn Over and Over", "Roll", 1},
         {"The Wool of a Sheep", "To Cheat Out of Money", "Fleece", 3},
         {"The Highest Point", "A Spinning Toy", "Top", 1},
         {"A Small Bird with a Forked Tail", "To Pass Food Down the Throat", "Swallow", 7},
     }},
     .FinalClue = "A Tall Narrow Building:",
     .FinalAnswer = "Tower"},
    // 32
    {.Items = {{
         {"A Hole in the Ground", "The Hard Seed of a Cherry", "Pit", 2},
         {"A Market Booth", "To Stop Running, as an Engine", "Stall", 2},
         {"A Picnic Basket", "To Hinder", "Hamper", 1},
         {"A Tin Container", "To Be Able", "Can", 2},
         {"A Small Insect", "An Error in Software", "Bug", 1},
     }},
     .FinalClue = "A Regular Practice Hard to Give Up:",
     .FinalAnswer = "Habit"},
    // 33
    {.Items = {{
         {"Tied with Rope", "To Leap Forward", "Bound", 4},
         {"A Drop from the Eye", "To Rip", "Tear", 1},
         {"To Add Up", "A European Nobleman", "Count", 2},
         {"Letters and Parcels", "Armor of Linked Rings", "Mail", 1},
         {"To Hit with a Fist", "A Fruity Drink", "Punch", 2},
     }},
     .FinalClue = "To Get Up on a Horse:",
     .FinalAnswer = "Mount"},
    // 34
    {.Items = {{
         {"Kept in Reserve", "To Refrain from Harming", "Spare", 5},
         {"A Toothed Wheel", "Equipment for an Activity", "Gear", 1},
         {"Calm and Tolerant", "A Person Under Medical Care", "Patient", 2},
         {"A Deep Loud Sound", "A Period of Rapid Growth", "Boom", 1},
         {"A Finger or Toe", "Any Numeral from Zero to Nine", "Digit", 1},
     }},
     .FinalClue = "A Pin Worn to Show Rank or Membership:",
     .FinalAnswer = "Badge"},
    // 35
    {.Items = {{
         {"To Hurry", "A Marsh Plant", "Rush", 2},
         {"To Stop Sleeping", "The Waves Left Behind a Boat", "Wake", 4},
         {"An Untruth", "To Recline", "Lie", 1},
         {"Took Without Permission", "A Long Scarf Worn Over the Shoulders", "Stole", 2},
         {"A Steel Tool for Smoothing", "A Folder of Documents", "File", 1},
     }},
     .FinalClue = "A Slender Woodwind Played Sideways:",
     .FinalAnswer = "Flute"},
    // 36
    {.Items = {{
         {"A Tied Loop in String", "A Unit of Speed for Ships", "Knot", 2},
         {"The End of the Arm", "A Farm Worker", "Hand", 2},
         {"A Fee for Using a Road", "To Ring Slowly, as a Bell", "Toll", 1},
         {"A Fixed Bar Used as a Barrier or Support", "To Protest Angrily", "Rail", 1},
         {"A Narrow Valley", "To Eat Greedily", "Gorge", 1},
     }},
     .FinalClue = "A Sum of Money Given for a Purpose:",
     .FinalAnswer = "Grant"},
    // 37
    {.Items = {{
         {"The Thinking Part of a Person", "To Look After", "Mind", 3},
         {"A Small Garden Hut", "To Let Fall, as Leaves or Hair", "Shed", 3},
         {"A Hair on the Eyelid", "To Strike with a Whip", "Lash", 1},
         {"A Place to Swim", "To Combine Resources", "Pool", 1},
         {"The Actors in a Play", "To Throw a Fishing Line", "Cast", 2},
     }},
     .FinalClue = "A Perfectly Flat Surface :",
     .FinalAnswer = "Plane"},
    // 38
    {.Items = {{
         {"Stretched Tight", "The Time of a Verb", "Tense", 2},
         {"A Journey", "To Stumble", "Trip", 1},
         {"A Weaving Machine", "To Appear Large and Threatening", "Loom", 1},
         {"A Fast Aircraft", "A Stream of Liquid", "Jet", 2},
         {"To Go Red in the Face", "Level with a Surface", "Flush", 1},
     }},
     .FinalClue = "A Group of Ships Under One Command:",
     .FinalAnswer = "Fleet"},
    // 39
    {.Items = {{
         {"A Sled Dog", "Deep and Hoarse, as a Voice", "Husky", 2},
         {"A Brief Fall of Rain", "A Wash Under a Spray of Water", "Shower", 2},
         {"A Structure Over a River", "A Card Game for Four", "Bridge", 1},
         {"Free from Danger", "A Strong Locked Box", "Safe", 1},
         {"An Entrance Hall", "To Seek Political Influence", "Lobby", 1},
     }},
     .FinalClue = "To Redden with Embarrassment:",
     .FinalAnswer = "Blush"},
    // 40
    {.Items = {{
         {"A Pause to Relax", "The Remainder", "Rest", 2},
         {"To Succeed in a Test", "A Gap Through Mountains", "Pass", 2},
         {"A Written Message in an Envelope", "A Symbol of the Alphabet", "Letter", 1},
         {"Equipment for Fishing", "To Bring Down a Player", "Tackle", 1},
         {"A Wire Fastener for Paper", "A Basic Food Item", "Staple", 1},
     }},
     .FinalClue = "A Fine Gray Rock Used for Roofing:",
     .FinalAnswer = "Slate"},
    // 41
    {.Items = {{
         {"Goods Kept for Sale", "A Broth of Meat or Bones", "Stock", 3},
         {"Beloved", "Expensive", "Dear", 1},
         {"A Substance Used in Candles", "To Grow Larger, as the Moon", "Wax", 1},
         {"A Male Sheep", "To Strike with Force", "Ram", 1},
         {"To Examine for Accuracy", "A Bill in a Restaurant", "Check", 1},
     }},
     .FinalClue = "A Large Number of People Gathered:",
     .FinalAnswer = "Crowd"},
    // 42
    {.Items = {{
         {"To Pester", "An Old Horse", "Nag", 2},
         {"To Glide on Ice", "A Broad Flat Fish Like a Ray", "Skate", 2},
         {"A Small Room in a Prison", "The Basic Unit of Life", "Cell", 1},
         {"Unable to See", "A Window Shade", "Blind", 1},
         {"A Songbird", "A Bit of Fun", "Lark", 1},
     }},
     .FinalClue = "The Darkest of All Colors:",
     .FinalAnswer = "Black"},
    // 43
    {.Items = {{
         {"A Long Gun", "To Search Through Hastily", "Rifle", 1},
         {"A Quarter of the Year", "To Add Flavor to Food", "Season", 2},
         {"A Small Bead of Liquid", "To Let Slip from the Hand", "Drop", 1},
         {"Fast and Direct", "To Put Into Words", "Express", 1},
         {"A Position Held for a Photo", "To Raise, as a Question", "Pose", 2},
     }},
     .FinalClue = "To Wear Away Gradually:",
     .FinalAnswer = "Erode"},
    // 44
    {.Items = {{
         {"A Ship or Boat", "A Tube Carrying Blood", "Vessel", 2},
         {"A Signal for an Actor", "A Tapered Rod for Billiards", "Cue", 1},
         {"The Back Part", "To Bring Up Young", "Rear", 1},
         {"A Wooden Marker Driven Into the Ground", "A Sum Risked in a Bet", "Stake", 3},
         {"A Cash Drawer", "To Plow Land", "Till", 1},
     }},
     .FinalClue = "A Faint Mark Left Behind:",
     .FinalAnswer = "Trace"},
    // 45
    {.Items = {{
         {"A Cupboard with Shelves", "A Group of Chief Ministers", "Cabinet", 2},
         {"A Notched Tool for Opening Doors", "Most Important", "Key", 1},
         {"A Piece of Furniture with Legs", "A Chart of Figures", "Table", 1},
         {"Small and Dense", "A Small Case for Face Powder", "Compact", 1},
         {"A Position in the Army", "Having a Foul Smell", "Rank", 1},
     }},
     .FinalClue = "A Rough Path or Trail:",
     .FinalAnswer = "Track"},
    // 46
    {.Items = {{
         {"A Cloth Banner", "To Lose Energy", "Flag", 3},
         {"A Tendency to Anger", "To Harden Metal by Heating", "Temper", 1},
         {"A Barrier Around a Field", "To Fight with Swords", "Fence", 2},
         {"A Puzzling Question", "To Pierce with Many Holes", "Riddle", 1},
         {"The Seashore", "To Move Without Power", "Coast", 1},
     }},
     .FinalClue = "A Wooden Box for Shipping :",
     .FinalAnswer = "Crate"},
    // 47
    {.Items = {{
         {"A Container for Pickles or Honey", "To Jolt", "Jar", 2},
         {"A Large Bag", "To Dismiss from a Job", "Sack", 4},
         {"A Small Mark", "To Notice", "Spot", 1},
         {"A Sturdy Container for Storage", "The Front of the Body", "Chest", 1},
         {"A Short Sleep", "The Raised Fibers on Cloth", "Nap", 1},
     }},
     .FinalClue = "A Little Food Between Meals:",
     .FinalAnswer = "Snack"},
    // 48
    {.Items = {{
         {"A Harbor Town", "The Left Side of a Ship", "Port", 2},
         {"Rubbish", "To Decline", "Refuse", 2},
         {"A Noise", "Healthy and Strong", "Sound", 4},
         {"The Slender Stalk of a Plant", "To Stop a Flow", "Stem", 2},
         {"A Hard Outer Case", "An Explosive Fired by a Cannon", "Shell", 1},
     }},
     .FinalClue = "A Small Piece of Rock:",
     .FinalAnswer = "Stone"},
    // 49
    {.Items = {{
         {"Burning Flames", "To Shoot a Gun", "Fire", 2},
         {"Correct", "Opposite of Left", "Right", 1},
         {"A Living Thing with Leaves", "A Factory", "Plant", 1},
         {"To Slide by Accident", "A Small Piece of Paper", "Slip", 1},
         {"A Word or Expression", "A Division of the School Year", "Term", 1},
     }},
     .FinalClue = "A Long Narrow Piece of Material:",
     .FinalAnswer = "Strip"},
    // 50
    {.Items = {{
         {"A Stopper for a Drain", "To Promote Publicly", "Plug", 3},
         {"Strict and Severe", "The Back of a Ship", "Stern", 2},
         {"Twelve Inches", "The Lowest Part of the Leg", "Foot", 2},
         {"To Go Away", "Permission to Be Absent", "Leave", 5},
         {"The Underground Part of a Plant", "To Cheer for a Team", "Root", 1},
     }},
     .FinalClue = "A Way Taken to Get Somewhere:",
     .FinalAnswer = "Route"},
}};

} // namespace basPuzzles
